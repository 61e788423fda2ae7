# Regenerates the calendar tables and fixtures into OUT and compares them with the committed ones.
if(NOT NODE OR NOT EXISTS ${TOOLS}/node_modules/lunar-javascript)
  message(FATAL_ERROR "node or tools/calendar/node_modules is missing; run scripts/setup.sh")
endif()
file(MAKE_DIRECTORY ${OUT})
foreach(step "generate-tables.js;${OUT}/CalendarTables.cpp" "generate-fixtures.js;${OUT}")
  list(GET step 0 script)
  list(GET step 1 target)
  execute_process(COMMAND ${NODE} ${TOOLS}/${script} ${target} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${script} failed")
  endif()
endforeach()
foreach(pair "CalendarTables.cpp;birthchart/CalendarTables.cpp"
             "lunar-month-starts.txt;birthchart/tests/data/lunar-month-starts.txt"
             "pillar-moments.txt;birthchart/tests/data/pillar-moments.txt")
  list(GET pair 0 made)
  list(GET pair 1 committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${made} ${SOURCE}/${committed}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${committed} differs from what the generator makes")
  endif()
endforeach()
