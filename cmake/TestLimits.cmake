# Every test of a program runs headless on SDL's dummy drivers and is stopped after
# KELVARY_TEST_TIMEOUT seconds.  gtest_discover_tests flattens a list given to its PROPERTIES
# (only the first variable of ENVIRONMENT arrived), so the properties are set by a file that
# ctest reads after the discovered tests, on the list of their names.
set(KELVARY_TEST_TIMEOUT 300 CACHE STRING "Seconds after which ctest stops a test")
set(KELVARY_TEST_ENVIRONMENT SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=1
                             KELVARY_TEST_ENVIRONMENT=whole)
# kelvary_test_limits(TARGET [SECONDS]) after gtest_discover_tests(TARGET ...).
function(kelvary_test_limits target)
  set(timeout ${KELVARY_TEST_TIMEOUT})
  if(ARGC GREATER 1 AND ARGV1 LESS timeout)
    set(timeout ${ARGV1})
  endif()
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_limits.cmake)
  file(WRITE ${file} "if(${target}_TESTS)\n"
                     "  set_tests_properties(\${${target}_TESTS} PROPERTIES\n"
                     "      ENVIRONMENT \"${KELVARY_TEST_ENVIRONMENT}\" TIMEOUT ${timeout})\n"
                     "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# The time limit for tests that are not GoogleTest programs (CMake scripts, validators).
function(kelvary_test_timeout)
  set_tests_properties(${ARGN} PROPERTIES TIMEOUT ${KELVARY_TEST_TIMEOUT})
endfunction()
