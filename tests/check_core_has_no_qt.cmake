# Fails when a unit of the core includes a Qt header: the core builds and runs without a
# window system. Run as: cmake -DSOURCE_DIR=<repo> -P check_core_has_no_qt.cmake
file(GLOB_RECURSE units
  ${SOURCE_DIR}/util/*.h ${SOURCE_DIR}/util/*.cpp ${SOURCE_DIR}/link/*.h ${SOURCE_DIR}/link/*.cpp
  ${SOURCE_DIR}/objects/*.h ${SOURCE_DIR}/objects/*.cpp
  ${SOURCE_DIR}/server/*.h ${SOURCE_DIR}/server/*.cpp
  ${SOURCE_DIR}/log/TraceLine.h ${SOURCE_DIR}/log/TraceLine.cpp
  ${SOURCE_DIR}/capture/CaptureImage.h ${SOURCE_DIR}/capture/CaptureImage.cpp)
set(offenders "")
foreach(unit ${units})
  file(STRINGS ${unit} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(lines)
    list(APPEND offenders "${unit}: ${lines}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" report "${offenders}")
  message(FATAL_ERROR "Core units include Qt headers:\n${report}")
endif()
list(LENGTH units count)
message(STATUS "${count} core units, none includes Qt")
