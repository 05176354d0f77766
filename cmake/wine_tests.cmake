# The plug-in file itself, as objdump sees it.
if(DK_WIN32_BUILD_DIR)
    find_program(DK_OBJDUMP i686-w64-mingw32-objdump)
    if(DK_OBJDUMP)
        add_test(NAME plugin_file_imports_and_exports
                 COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${DK_OBJDUMP} -DPLUGIN=${DK_WIN32_BUILD_DIR}/DuskvaleKeys.asi
                         -P ${CMAKE_SOURCE_DIR}/cmake/check_plugin_file.cmake)
    endif()
    # The release's checksums hold, its BUILDINFO.txt names the commit, and a
    # build of a source archive of that commit in another folder gives the
    # same bytes (the slowest test: about a minute and a half on two cores).
    if(EXISTS ${DK_WIN32_BUILD_DIR}/dist/SHA256SUMS)
        add_test(NAME release_same_bytes_twice
                 COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DFIRST=${DK_WIN32_BUILD_DIR}
                         -DWORK=${CMAKE_BINARY_DIR}/release_again -P ${CMAKE_SOURCE_DIR}/cmake/check_release_builds.cmake)
        set_tests_properties(release_same_bytes_twice PROPERTIES TIMEOUT 900)
    endif()
endif()

# The Windows-side test program, run under Wine from the native test build
# when the win32 build is given (-DDK_WIN32_BUILD_DIR=...).
if(DK_WIN32_BUILD_DIR AND DK_WINE_RUNNER)
    add_test(NAME host_x86_tests
             COMMAND ${DK_WINE_RUNNER} ${DK_WIN32_BUILD_DIR}/host_x86_tests.exe)
    # Wine may end a crashed program with exit code 0, so the verdict is
    # the program's own closing line. The first run in a fresh prefix sets
    # the prefix up, which takes a while.
    set_tests_properties(host_x86_tests PROPERTIES
        ENVIRONMENT "${DK_WINE_ENVIRONMENT}"
        PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed"
        FAIL_REGULAR_EXPRESSION "FAILED|CRASHED"
        TIMEOUT 300)
endif()
