# Fails when a source of the core includes a header of a folder above its own. FOLDERS lists
# the core's folders from the bottom up; a folder may include itself and those before it, so
# the folders form no cycle. Run at build time, before the core's libraries compile.
#   cmake -DCORE_DIR=<src/core> -DFOLDERS=<a;b;...> -DSTAMP=<file> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.20)
set(below "")
set(faults "")
foreach(folder IN LISTS FOLDERS)
  file(GLOB sources ${CORE_DIR}/${folder}/*.h ${CORE_DIR}/${folder}/*.cpp
       ${CORE_DIR}/${folder}/*.inl)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included "${line}")
      if(NOT included STREQUAL folder AND NOT included IN_LIST below)
        file(RELATIVE_PATH name ${CORE_DIR} ${source})
        string(APPEND faults "  ${name}: ${line} (${included}/ is above ${folder}/)\n")
      endif()
    endforeach()
  endforeach()
  list(APPEND below ${folder})
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the core's layers:\n${faults}")
endif()
file(TOUCH ${STAMP})
