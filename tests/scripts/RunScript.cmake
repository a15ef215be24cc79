# Runs one game script through tolvarin-script and compares its whole output (standard
# output and error together) with the .out file beside it. An expected output that ends in
# an "error:" line means the run must end with status 1, any other with status 0. On a
# mismatch the output got is written beside the test's working folder as NAME.got.
#   cmake -DTOOL=<tolvarin-script> -DSCRIPT=<NAME.script> -P RunScript.cmake
string(REGEX REPLACE "\\.script$" ".out" expected_file "${SCRIPT}")
file(READ "${expected_file}" expected)
execute_process(COMMAND "${TOOL}" "${SCRIPT}"
                OUTPUT_VARIABLE got ERROR_VARIABLE got RESULT_VARIABLE status)
set(want_status 0)
if(expected MATCHES "(^|\n)error: [^\n]*\n$")
  set(want_status 1)
endif()
if(got STREQUAL expected AND status EQUAL want_status)
  return()
endif()
get_filename_component(name "${SCRIPT}" NAME_WE)
file(WRITE "${name}.got" "${got}")
execute_process(COMMAND diff -u "${expected_file}" "${name}.got")
message(FATAL_ERROR "${name}: status ${status} (want ${want_status}); output differs from "
                    "${expected_file}, got ${CMAKE_CURRENT_BINARY_DIR}/${name}.got")
