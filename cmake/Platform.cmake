# Picks the units of the building platform from a list of sources. Units that differ between
# platforms come as pairs, NamePosix.cpp and NameWin32.cpp; the port backends over POSIX serial
# devices and USB pipes, the port list that scans /dev and the port layer's common unit (which
# still flushes through termios) are POSIX units by name.
set(LW_POSIX_ONLY_UNITS PortCommon.cpp PortSerial.cpp PortUsb.cpp PortList.cpp PortSpeed.cpp)

function(lw_platform_sources var)
  set(kept)
  foreach(src ${${var}})
    get_filename_component(name ${src} NAME)
    if(WIN32)
      if(name MATCHES "Posix\\.cpp$" OR name IN_LIST LW_POSIX_ONLY_UNITS)
        continue()
      endif()
    elseif(name MATCHES "Win32\\.cpp$")
      continue()
    endif()
    list(APPEND kept ${src})
  endforeach()
  set(${var} ${kept} PARENT_SCOPE)
endfunction()
