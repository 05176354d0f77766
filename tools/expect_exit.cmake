# cmake [-DRUNNER=wine] -DPROGRAM=... -DARGUMENT=... -DEXPECTED=N [-DSAYS=REGEX] [-DLARGE=BYTES] -P expect_exit.cmake
# Passes when the program exits with status EXPECTED (and, given SAYS, its
# error output matches it). With LARGE, ARGUMENT is first written as a file of
# more than that many bytes: one valid binding line, then comment lines.
if(LARGE)
    set(line "# padding that makes the file far larger than any binding file\r\n")
    string(LENGTH "${line}" length)
    math(EXPR copies "${LARGE} / ${length} + 1")
    string(REPEAT "${line}" ${copies} padding)
    file(WRITE ${ARGUMENT} "17=W ; MOVE_FORWARD\r\n${padding}")
endif()
execute_process(COMMAND ${RUNNER} ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE said)
if(NOT status EQUAL EXPECTED)
    message(FATAL_ERROR "${RUNNER} ${PROGRAM} ${ARGUMENT}: exit status ${status}, expected ${EXPECTED}")
endif()
if(SAYS AND NOT said MATCHES "${SAYS}")
    message(FATAL_ERROR "${RUNNER} ${PROGRAM} ${ARGUMENT}: said \"${said}\", expected \"${SAYS}\"")
endif()
