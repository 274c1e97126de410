# Picks the units of the building platform from a list of sources. Units that differ between
# platforms come as pairs, NamePosix.cpp and NameWin32.cpp. Some POSIX units are so by name:
# the port backends over serial devices and USB pipes (PortWin32.cpp has the Windows build's),
# the port list that scans /dev, the arbitrary speeds through termios2, and the simulator's
# transports over a pseudo-terminal and FIFOs (SimDevicesWin32.cpp refuses both).
set(LW_POSIX_ONLY_UNITS PortSerial.cpp PortUsb.cpp PortList.cpp PortSpeed.cpp
  SimPty.cpp SimFifo.cpp SimNotify.cpp)

# The arbitrary speeds unit takes the kernel's own termios structure, which cannot share a
# compiler run with <termios.h>: it is compiled alone in a batched build.
set_source_files_properties(${CMAKE_SOURCE_DIR}/core/link/PortSpeed.cpp
  PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)

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
