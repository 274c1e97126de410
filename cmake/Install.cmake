# How the programs are installed: programs in bin/, the calculator-side program files and the
# help pages in share/linkwell/ (the programs look there when they do not find them beside
# themselves), the desktop entry, icon and AppStream metadata, the manual pages and the shell
# completion. scripts/package.sh turns the same layout into a Debian package.
include(GNUInstallDirs)
set(LW_DATA_DIR ${CMAKE_INSTALL_DATADIR}/linkwell)

install(TARGETS linkwell-cli linkwell-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET linkwell)
  install(TARGETS linkwell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
file(GLOB LW_INSTALL_CALC_FILES ${CMAKE_SOURCE_DIR}/calcfiles/*.zq)
install(FILES ${LW_INSTALL_CALC_FILES} DESTINATION ${LW_DATA_DIR})
# docs/help holds the English pages, docs/help-<language> the translated ones.
file(GLOB LW_HELP_FOLDERS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/docs/help
  ${CMAKE_SOURCE_DIR}/docs/help-*)
foreach(folder ${LW_HELP_FOLDERS})
  get_filename_component(name ${folder} NAME)
  install(DIRECTORY ${folder}/ DESTINATION ${LW_DATA_DIR}/${name})
endforeach()

set(LW_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${LW_PACKAGING}/com.quorvane.Linkwell.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LW_PACKAGING}/com.quorvane.Linkwell.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LW_PACKAGING}/linkwell.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${LW_PACKAGING}/completion/linkwell-cli.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME linkwell-cli)
install(FILES ${LW_PACKAGING}/completion/_linkwell-cli
  DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${LW_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/linkwell)
set(LW_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${LW_CHANGELOG}
  COMMAND sh -c "gzip -9n < '${LW_PACKAGING}/changelog' > '${LW_CHANGELOG}'"
  DEPENDS ${LW_PACKAGING}/changelog VERBATIM)
add_custom_target(linkwell_changelog ALL DEPENDS ${LW_CHANGELOG})
install(FILES ${LW_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/linkwell)

# Icons in the fixed sizes, rendered from the SVG.
find_program(LW_RSVG rsvg-convert)
if(LW_RSVG)
  foreach(size 16 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}/linkwell.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
      COMMAND ${LW_RSVG} -w ${size} -h ${size} ${LW_PACKAGING}/linkwell.svg -o ${png}
      DEPENDS ${LW_PACKAGING}/linkwell.svg VERBATIM)
    list(APPEND LW_ICON_PNGS ${png})
    install(FILES ${png}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(linkwell_icons ALL DEPENDS ${LW_ICON_PNGS})
endif()

# Manual pages, written in scdoc and built into compressed roff.
find_program(LW_SCDOC scdoc)
if(LW_SCDOC)
  foreach(page linkwell linkwell-cli linkwell-sim)
    set(src ${CMAKE_SOURCE_DIR}/docs/man/${page}.1.scd)
    set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND sh -c "${LW_SCDOC} < '${src}' | gzip -9n > '${out}'"
      DEPENDS ${src} VERBATIM)
    list(APPEND LW_MAN_PAGES ${out})
  endforeach()
  add_custom_target(linkwell_man ALL DEPENDS ${LW_MAN_PAGES})
  install(FILES ${LW_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "scdoc not found: manual pages are not built")
endif()

# The Debian package (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME linkwell)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_CONTACT "Linkwell developers <linkwell@quorvane.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "link a PC to a ZQ graphing calculator")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Linkwell talks to the XModem server of a graphing calculator of the ZQ KAg,
 KBg and KCg series over a serial line or USB. The desktop program shows the
 calculator's memory as an explorer and copies variables both ways, backs the
 memory up and restores it, captures the screen and sends a new operating
 system. linkwell-cli does every operation from a shell, and linkwell-sim is a
 simulated calculator for trying the programs without one.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the shared libraries: the desktop program names Debian's sensible-editor among the
# terminal editors it will not wait for, so the package needs the package that provides it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "sensible-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvane.invalid/linkwell")
set(CPACK_STRIP_FILES ON)
include(CPack)
