# Every case of a GoogleTest program becomes a CTest test of its own. Under Wine the cases
# are listed when the tests run (the list needs Wine and the test run's display), and each
# case holds the lock of the Wine prefix and display it runs in: the viewer and the wizard
# allow one copy at a time, and the painting tests read the screen back.
include(GoogleTest)

function(qex_add_gtest target)
  cmake_parse_arguments(arg "" "LOCK" "PROPERTIES" ${ARGN})
  if(WIN32)
    if(NOT arg_LOCK)
      set(arg_LOCK wineprefix)
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300
      PROPERTIES RESOURCE_LOCK ${arg_LOCK} ${arg_PROPERTIES})
  else()
    gtest_discover_tests(${target} PROPERTIES ${arg_PROPERTIES})
  endif()
endfunction()
