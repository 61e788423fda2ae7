# Runs the command given after "--" and checks, when given:
#   EXPECTED_EXIT         its exit code (always checked)
#   EXPECTED_ERROR        text that standard error contains
#   EXPECTED_OUTPUT       text that standard output contains
#   EXPECTED_NO_OUTPUT    standard output must be empty (a failure prints no half answer)
#   EXPECTED_LINES        the number of lines on standard output
#   EXPECTED_FILE         a file the command must have written, under exactly that name
#   EXPECTED_EXACT_OUTPUT the whole standard output, byte for byte (needs OUTPUT_FILE)
#   EXPECTED_REPORT_FILE  a file whose lines, with CR LF, are the whole standard output (needs
#                         OUTPUT_FILE); the program ends the report with one newline
# Exact comparisons go through files read as hex, since a captured output and file(READ) as text
# both drop a CR.
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
if(DEFINED OUTPUT_FILE)
  execute_process(COMMAND ${command} RESULT_VARIABLE exit_code OUTPUT_FILE ${OUTPUT_FILE}
                  ERROR_VARIABLE error)
  file(READ ${OUTPUT_FILE} output)
else()
  execute_process(COMMAND ${command} RESULT_VARIABLE exit_code OUTPUT_VARIABLE output
                  ERROR_VARIABLE error)
endif()
if(NOT exit_code STREQUAL EXPECTED_EXIT)
  message(FATAL_ERROR "exit code ${exit_code}, expected ${EXPECTED_EXIT}\n${error}")
endif()

foreach(expectation ERROR OUTPUT)
  if(expectation STREQUAL "ERROR")
    set(stream "${error}")
  else()
    set(stream "${output}")
  endif()
  if(DEFINED EXPECTED_${expectation})
    string(FIND "${stream}" "${EXPECTED_${expectation}}" at)
    if(at LESS 0)
      message(FATAL_ERROR "${expectation} lacks \"${EXPECTED_${expectation}}\":\n${stream}")
    endif()
  endif()
endforeach()

if(EXPECTED_NO_OUTPUT AND NOT output STREQUAL "")
  message(FATAL_ERROR "standard output should be empty:\n${output}")
endif()
if(DEFINED EXPECTED_LINES)
  string(REGEX MATCHALL "\n" newlines "${output}")
  list(LENGTH newlines lines)
  if(NOT lines EQUAL EXPECTED_LINES)
    message(FATAL_ERROR "${lines} lines on standard output, expected ${EXPECTED_LINES}:\n${output}")
  endif()
endif()

if(DEFINED EXPECTED_FILE AND NOT EXISTS "${EXPECTED_FILE}")
  file(GLOB written RELATIVE "${CMAKE_CURRENT_BINARY_DIR}" "${CMAKE_CURRENT_BINARY_DIR}/*")
  message(FATAL_ERROR "${EXPECTED_FILE} was not written; the folder holds: ${written}")
endif()

if(DEFINED EXPECTED_REPORT_FILE)
  file(READ ${EXPECTED_REPORT_FILE} report)
  string(REGEX REPLACE "\n$" "" report "${report}")
  string(REPLACE "\n" "\r\n" report "${report}")
  set(EXPECTED_EXACT_OUTPUT "${report}\n")
endif()
if(DEFINED EXPECTED_EXACT_OUTPUT)
  file(WRITE ${OUTPUT_FILE}.expected "${EXPECTED_EXACT_OUTPUT}")
  file(READ ${OUTPUT_FILE} actual HEX)
  file(READ ${OUTPUT_FILE}.expected expected HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "standard output differs from ${OUTPUT_FILE}.expected:\n${output}")
  endif()
endif()
