# The desktop program linkwell: Qt 6 Widgets windows over the core. Every unit under desktop/ is a
# window unit; desktop/ is their include root (mainwin/ZQDir.h, prompts/DownLd.h).
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
include(cmake/Translations.cmake)
file(GLOB LW_GUI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/desktop/*/*.cpp)
file(GLOB LW_GUI_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/desktop/*/*.qrc)

add_library(linkwell_gui STATIC ${LW_GUI_SOURCES} ${LW_GUI_RESOURCES} ${LW_QRC_CPP})
set_target_properties(linkwell_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(linkwell_gui PUBLIC ${CMAKE_SOURCE_DIR}/desktop)
target_link_libraries(linkwell_gui PUBLIC linkwell_core linkwell_sim_lib Qt6::Widgets)
target_compile_definitions(linkwell_gui PUBLIC QT_NO_KEYWORDS)

add_executable(linkwell ${CMAKE_SOURCE_DIR}/desktop/main.cpp)
target_link_libraries(linkwell PRIVATE linkwell_gui)

# The help pages, English and translated, beside the program in the build tree too, where the
# program looks first.
file(GLOB LW_HELP_FOLDERS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/docs/help
  ${CMAKE_SOURCE_DIR}/docs/help-*)
file(COPY ${LW_HELP_FOLDERS} DESTINATION ${CMAKE_BINARY_DIR})
