# Runs the command given after "--" and compares its whole standard output and standard error,
# byte for byte, with the SHA-256 digests they had when the expectations were written:
#   EXPECTED_LINES   the number of lines on standard output
#   EXPECTED_OUTPUT  the SHA-256 digest of standard output
#   EXPECTED_ERROR   the SHA-256 digest of standard error
#   OUTPUT_FILE      where standard output is kept (standard error beside it, .err), to look at
#                    after a failure
set(command "")
set(collect OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(collect)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(collect ON)
  endif()
endforeach()
execute_process(COMMAND ${command} RESULT_VARIABLE exit_code OUTPUT_FILE ${OUTPUT_FILE}
                ERROR_FILE ${OUTPUT_FILE}.err)
if(NOT exit_code STREQUAL "0")
  file(READ ${OUTPUT_FILE}.err error)
  message(FATAL_ERROR "exit code ${exit_code}\n${error}")
endif()
file(READ ${OUTPUT_FILE} output)
string(REGEX MATCHALL "\n" newlines "${output}")
list(LENGTH newlines line_count)
file(SHA256 ${OUTPUT_FILE} output_digest)
file(SHA256 ${OUTPUT_FILE}.err error_digest)
if(NOT line_count EQUAL EXPECTED_LINES)
  message(FATAL_ERROR "${line_count} lines on standard output, expected ${EXPECTED_LINES} (${OUTPUT_FILE})")
endif()
if(NOT output_digest STREQUAL EXPECTED_OUTPUT)
  message(FATAL_ERROR "standard output differs from the expected one: ${OUTPUT_FILE}")
endif()
if(NOT error_digest STREQUAL EXPECTED_ERROR)
  message(FATAL_ERROR "standard error differs from the expected one: ${OUTPUT_FILE}.err")
endif()
