# Runs one canary test and passes only when the run ends with a non-zero code
# and the sanitizer's report: PROGRAM, FILTER (a gtest filter), REPORT (a
# regular expression the output must match). PASSED: also require that
# GoogleTest itself had passed the test, so only the report failed the run.
execute_process(
  COMMAND "${PROGRAM}" --gtest_filter=${FILTER}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
message("${output}")
if(result EQUAL 0)
  message(FATAL_ERROR "${FILTER}: the faulty run ended with code 0")
endif()
if(NOT output MATCHES "${REPORT}")
  message(FATAL_ERROR "${FILTER}: no report matching '${REPORT}'")
endif()
if(PASSED AND NOT output MATCHES "\\[  PASSED  \\] 1 test")
  message(FATAL_ERROR "${FILTER}: GoogleTest did not pass the test itself")
endif()
message("${FILTER}: ended with ${result} and the expected report")
