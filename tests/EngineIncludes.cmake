cmake_minimum_required(VERSION 3.25)
# Fails when a source of the engine (toolkit/ but its window/ folder,
# pictures/, render/) includes a header of QtWidgets: the engine runs
# headless and links QtGui only.
#   cmake -DSOURCE_DIR=<project> -DWIDGETS_DIR=<.../qt6/QtWidgets> -P EngineIncludes.cmake
file(GLOB widget_headers RELATIVE ${WIDGETS_DIR} ${WIDGETS_DIR}/*)
file(GLOB_RECURSE sources ${SOURCE_DIR}/toolkit/*.h ${SOURCE_DIR}/toolkit/*.cpp
     ${SOURCE_DIR}/pictures/*.h ${SOURCE_DIR}/pictures/*.cpp
     ${SOURCE_DIR}/render/*.h ${SOURCE_DIR}/render/*.cpp)
list(FILTER sources EXCLUDE REGEX "/toolkit/window/")
set(found "")
foreach(source ${sources})
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*$" "\\1" header "${line}")
    string(REGEX REPLACE "^QtWidgets/" "" name "${header}")
    if(header MATCHES "^QtWidgets/" OR (name IN_LIST widget_headers AND NOT EXISTS ${WIDGETS_DIR}/../QtGui/${name}))
      list(APPEND found "${source}: ${header}")
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(found)
  string(REPLACE ";" "\n  " found "${found}")
  message(FATAL_ERROR "the engine includes QtWidgets headers:\n  ${found}")
endif()
message(STATUS "${count} engine sources, none includes a QtWidgets header")
