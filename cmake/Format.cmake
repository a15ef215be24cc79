# Checks that every C++ source under ROOT stands as the repository's .clang-format lays it
# out; run as cmake -DROOT=<tree> -DCLANG_FORMAT=<program> -P Format.cmake. Build trees and
# the lint's own small fault trees are left out. Prints each file that differs, then fails.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/*.cpp ${ROOT}/*.h)
list(FILTER sources EXCLUDE REGEX "^(build[^/]*|out|tests/lint)/")
list(SORT sources)
# One run over all of them; each complaint names its file at the start of its line.
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE complaints)
string(REGEX MATCHALL "[^\n:]+:[0-9]+:[0-9]+: error:" found "${complaints}")
list(TRANSFORM found REPLACE ":[0-9]+:[0-9]+: error:$" "")
list(REMOVE_DUPLICATES found)
if(NOT rc EQUAL 0 AND NOT found)
  message(FATAL_ERROR "${CLANG_FORMAT} failed: ${complaints}")
endif()
foreach(f IN LISTS found)
  message(NOTICE "${f}: not laid out as .clang-format says (clang-format -i ${f})")
endforeach()
list(LENGTH found count)
if(count GREATER 0)
  message(FATAL_ERROR "${count} unformatted files")
endif()
