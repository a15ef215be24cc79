# Checks the layers on the sources; run as cmake -DROOT=<source tree> -P Lint.cmake. Fails
# when a file in platform/ includes a header of an area its own area may not see (the
# table in platform/layers.txt says which), lies in a folder the table does not name, or
# includes by a path that climbs out of its folder; when platform code other than
# audio_sdl includes SDL, or any of it includes Qt; and when game, shell, dialog or control
# code includes a header that only the platform layer and the hosts may use.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
tolvarin_read_layers(${ROOT}/platform/layers.txt)

# Prints each fault on a line of its own, as it stands, then fails with @p what.
function(tolvarin_lint_verdict faults what)
  foreach(fault IN LISTS faults)
    message(NOTICE "${fault}")
  endforeach()
  list(LENGTH faults count)
  if(count GREATER 0)
    message(FATAL_ERROR "${count} ${what}")
  endif()
endfunction()

set(include_line "^[ \t]*#[ \t]*include[ \t]*")
set(bad "")
file(GLOB_RECURSE platform_files RELATIVE ${ROOT} ${ROOT}/platform/*.cpp ${ROOT}/platform/*.h)
foreach(f IN LISTS platform_files)
  string(REGEX REPLACE "^platform/([^/]+)/.*" "\\1" area "${f}")
  if(NOT area IN_LIST LAYERS)
    list(APPEND bad "${f}: platform/${area} is not an area of platform/layers.txt")
    continue()
  endif()
  file(STRINGS ${ROOT}/${f} lines REGEX "${include_line}[\"<]")
  foreach(l IN LISTS lines)
    if(l MATCHES "${include_line}\"platform/([^/\"]+)/" AND NOT CMAKE_MATCH_1 IN_LIST LAYER_SEES_${area})
      list(APPEND bad "${f}: ${l}  (${area} does not see ${CMAKE_MATCH_1})")
    elseif(l MATCHES "${include_line}\"[^\"]*\\.\\./")
      list(APPEND bad "${f}: ${l}  (a path that climbs out of its folder)")
    elseif(l MATCHES "${include_line}<Q[A-Za-z]*>" OR
           (l MATCHES "${include_line}<SDL" AND NOT area STREQUAL "audio_sdl"))
      list(APPEND bad "${f}: ${l}  (only host/qt includes Qt, only audio_sdl SDL)")
    endif()
  endforeach()
endforeach()
tolvarin_lint_verdict("${bad}" "includes against the platform's layers")

# Game, shell, dialog and control code reach time, randomness, files, sound and windows
# only through the platform layer.
set(forbidden "<Q[A-Za-z]*>|<SDL|<chrono>|<random>|<thread>|<fstream>|<cstdio>|<stdio\\.h>|<ctime>|<time\\.h>")
foreach(dir game shell dialogs hovercommand)
  file(GLOB_RECURSE files ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
  foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "${include_line}(${forbidden})")
    foreach(l IN LISTS lines)
      list(APPEND bad "${f}: ${l}")
    endforeach()
  endforeach()
endforeach()
tolvarin_lint_verdict("${bad}" "platform-only headers used outside the platform layer")
message(STATUS "platform boundary clean")
