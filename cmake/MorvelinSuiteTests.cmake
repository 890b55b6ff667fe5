# Run by CTest before the tests (see morvelin_register_tests): lists a test program's cases and
# registers one test per suite, named program/Suite (two programs may have a suite of the same
# name), that runs the suite's cases in one process.
# Expects PROGRAM, TIMEOUT and ENVIRONMENT.
execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE code TIMEOUT 60)
get_filename_component(program "${PROGRAM}" NAME)
if(NOT code EQUAL 0)
  # The program cannot even list its cases: a test that fails and shows why.
  add_test("${program}/listing" "${PROGRAM}" --gtest_list_tests)
  return()
endif()
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\.$")
    set(suite "${CMAKE_MATCH_1}")
    add_test("${program}/${suite}" "${PROGRAM}" "--gtest_filter=${suite}.*")
    set_tests_properties("${program}/${suite}" PROPERTIES TIMEOUT "${TIMEOUT}" ENVIRONMENT "${ENVIRONMENT}")
  endif()
endforeach()
