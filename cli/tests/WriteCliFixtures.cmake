# Writes the databases of the command-line tests: the stand-in database, a copy under a name that
# reads as an SQLite URI, copies of the real database with damaged pages, and copies with an
# emptied lookup table.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(REMOVE ${FIXTURE})
# RUN: what runs a program of the build (wine in a Windows cross build), its words split by "|".
string(REPLACE "|" ";" run_program "${RUN}")
function(run)
  execute_process(COMMAND ${run_program} ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()
run(${FIXTURE_WRITER} ${FIXTURE})
file(COPY_FILE ${FIXTURE} "${WORK}/file:cli.db?mode=memory")
if(NOT EXISTS ${REAL})
  message(FATAL_ERROR "${REAL} is missing; scripts/setup.sh builds it")
endif()
run(${DAMAGER} ${REAL} ${WORK}/damaged-index.db damage NewIndex1)
run(${DAMAGER} ${REAL} ${WORK}/damaged-characters.db damage NB_CNWord)
run(${DAMAGER} ${REAL} ${WORK}/damaged-summary.db damage NB_字要)
run(${DAMAGER} ${FIXTURE} ${WORK}/empty-numbers.db empty NB_八一灵动数)
run(${DAMAGER} ${FIXTURE} ${WORK}/empty-characters.db empty NB_CNWord)
