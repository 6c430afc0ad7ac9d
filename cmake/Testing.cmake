include(GoogleTest)

# Upper bound for one test case, so that a hung test (a Windows program waiting for a click
# under Wine, say) fails instead of holding up the run.
set(SETUPKIT_TEST_TIMEOUT 120 CACHE STRING "Seconds one test case may run")

# sk_add_gtest(NAME source... [LIBS lib...]): one gtest executable, its cases registered with
# ctest. Discovery runs at test time (PRE_TEST), when the Wine harness has its server warm.
function(sk_add_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES TIMEOUT ${SETUPKIT_TEST_TIMEOUT})
endfunction()
