# Runs the command given after "--" and checks its exit code (EXPECTED_EXIT), that its standard
# output is exactly EXPECTED_OUTPUT or the report in EXPECTED_REPORT_FILE, and that its standard
# error contains EXPECTED_ERROR, when those are given. The comparison goes through files read as
# hex, since a captured output and file(READ) as text both drop the report's CR.
#
# A report file holds the report's lines with plain line breaks (a CR in it would be dropped on
# reading); the program prints them with CR LF, as the page shows them, and ends with one newline.
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
                ERROR_VARIABLE error)
if(NOT exit_code STREQUAL EXPECTED_EXIT)
  message(FATAL_ERROR "exit code ${exit_code}, expected ${EXPECTED_EXIT}\n${error}")
endif()
if(DEFINED EXPECTED_REPORT_FILE)
  file(READ ${EXPECTED_REPORT_FILE} report)
  string(REGEX REPLACE "\n$" "" report "${report}")
  string(REPLACE "\n" "\r\n" report "${report}")
  set(EXPECTED_OUTPUT "${report}\n")
endif()
if(DEFINED EXPECTED_OUTPUT)
  file(WRITE ${OUTPUT_FILE}.expected "${EXPECTED_OUTPUT}")
  file(READ ${OUTPUT_FILE} output HEX)
  file(READ ${OUTPUT_FILE}.expected expected HEX)
  if(NOT output STREQUAL expected)
    file(READ ${OUTPUT_FILE} output)
    message(FATAL_ERROR "standard output differs from ${OUTPUT_FILE}.expected:\n${output}")
  endif()
endif()
if(DEFINED EXPECTED_ERROR)
  string(FIND "${error}" "${EXPECTED_ERROR}" at)
  if(at LESS 0)
    message(FATAL_ERROR "standard error lacks \"${EXPECTED_ERROR}\":\n${error}")
  endif()
endif()
