# The desktop program's translations. translations/linkwell_<code>.ts (kept up to date with the
# code by scripts/update-translations.sh) are built into .qm files by lrelease: into
# translations/ of the build folder, where the program finds them beside itself, installed
# under share/linkwell/translations, and embedded into the program as a resource too, so that a
# program copied away from both still speaks the user's language.
set(LW_LANGUAGES nl fr de pt es it)
find_program(LW_LRELEASE NAMES lrelease lrelease-qt6
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
        /usr/lib/qt6/bin
  REQUIRED)

set(LW_QM_DIR ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${LW_QM_DIR})
set(LW_QM_FILES "")
set(LW_QRC_ENTRIES "")
foreach(code ${LW_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/linkwell_${code}.ts)
  set(qm ${LW_QM_DIR}/linkwell_${code}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${LW_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND LW_QM_FILES ${qm})
  string(APPEND LW_QRC_ENTRIES "    <file>linkwell_${code}.qm</file>\n")
endforeach()

set(LW_QRC ${LW_QM_DIR}/linkwell_translations.qrc)
file(WRITE ${LW_QRC}.in
  "<RCC>\n  <qresource prefix=\"/translations\">\n${LW_QRC_ENTRIES}  </qresource>\n</RCC>\n")
configure_file(${LW_QRC}.in ${LW_QRC} COPYONLY)
set(LW_QRC_CPP ${LW_QM_DIR}/qrc_linkwell_translations.cpp)
add_custom_command(OUTPUT ${LW_QRC_CPP}
  COMMAND Qt6::rcc --name linkwell_translations ${LW_QRC} -o ${LW_QRC_CPP}
  DEPENDS ${LW_QRC} ${LW_QM_FILES} VERBATIM)
add_custom_target(linkwell_translations DEPENDS ${LW_QM_FILES})

include(GNUInstallDirs)
install(FILES ${LW_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/linkwell/translations)
