# cmake [-DRUNNER=wine] -DPROGRAM=... -DARGUMENT=... -DEXPECTED=N -P expect_exit.cmake
# Passes when the program exits with status EXPECTED.
execute_process(COMMAND ${RUNNER} ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL EXPECTED)
    message(FATAL_ERROR "${RUNNER} ${PROGRAM} ${ARGUMENT}: exit status ${status}, expected ${EXPECTED}")
endif()
