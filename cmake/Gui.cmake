# The desktop program linkwell: Qt 6 Widgets windows over the core. The windows live in the
# folders of their subsystem; every .cpp there that is not part of the core is a window unit.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
file(GLOB LW_GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/mainwin/*.cpp ${CMAKE_SOURCE_DIR}/settings/*.cpp
  ${CMAKE_SOURCE_DIR}/prompts/*.cpp ${CMAKE_SOURCE_DIR}/cmdwin/*.cpp
  ${CMAKE_SOURCE_DIR}/log/*.cpp ${CMAKE_SOURCE_DIR}/capture/*.cpp)
list(REMOVE_ITEM LW_GUI_SOURCES
  ${CMAKE_SOURCE_DIR}/mainwin/main.cpp
  ${CMAKE_SOURCE_DIR}/log/TraceLine.cpp
  ${CMAKE_SOURCE_DIR}/capture/CaptureImage.cpp)
file(GLOB LW_GUI_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/mainwin/*.qrc)

add_library(linkwell_gui STATIC ${LW_GUI_SOURCES} ${LW_GUI_RESOURCES})
set_target_properties(linkwell_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(linkwell_gui PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(linkwell_gui PUBLIC linkwell_core linkwell_sim_lib Qt6::Widgets)
target_compile_definitions(linkwell_gui PUBLIC QT_NO_KEYWORDS)

add_executable(linkwell ${CMAKE_SOURCE_DIR}/mainwin/main.cpp)
target_link_libraries(linkwell PRIVATE linkwell_gui)

# The help pages beside the program in the build tree too, where the program looks first.
file(COPY ${CMAKE_SOURCE_DIR}/docs/help DESTINATION ${CMAKE_BINARY_DIR})
