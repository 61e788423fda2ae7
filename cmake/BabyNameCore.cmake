# What runs a program of this build from a test script (RunCommand.cmake and the like): nothing
# on the build machine's own system, wine in a Windows cross build.
set(BABYNAME_RUN ${CMAKE_CROSSCOMPILING_EMULATOR})
# The same as one argument of a test command (a test's arguments are split at semicolons).
string(REPLACE ";" "|" BABYNAME_RUN_ARGUMENT "${BABYNAME_RUN}")

# Core libraries keep every string as GBK bytes, the way the program's texts, pages and exports
# are encoded. Compiling their narrow string literals to GB18030 lets the sources stay in UTF-8
# while "李" in the code is already the two GBK bytes the rest of the core works with (GB18030 is
# byte for byte GBK for every GBK character, and can still hold the odd symbol of a system header).
function(babyname_gbk_literals target)
  if(BABYNAME_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # clang cannot change the execution character set; fuzz/run.sh hands it a copy of the sources
    # converted to GB18030, whose literals clang keeps byte for byte.
    target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.54936)
  else()
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GB18030)
  endif()
endfunction()

# A GoogleTest executable for one core library; its literals are GBK like the library's.
function(babyname_core_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  babyname_gbk_literals(${target})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "BABYNAME_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
