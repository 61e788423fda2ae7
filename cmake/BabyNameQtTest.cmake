# A QtTest program as a CTest test. QtTest exits 0 when a case was skipped (QSKIP), which CTest
# would count as passed; run_qt_test.py turns such a run into exit code 77, reported as skipped,
# while a failure stays a failure.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(babyname_qt_test)
  cmake_parse_arguments(QT_TEST "" "NAME;TARGET" "" ${ARGN})
  add_test(NAME ${QT_TEST_NAME}
           COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/cmake/run_qt_test.py
                   $<TARGET_FILE:${QT_TEST_TARGET}>)
  set_tests_properties(${QT_TEST_NAME} PROPERTIES SKIP_RETURN_CODE 77
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
