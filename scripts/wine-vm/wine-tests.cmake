# Prints a ctest name pattern matching every test in the build tree BUILD whose
# command runs Wine (the DK_WINE program found at configure time), or nothing
# when there is none. Finding them by their command means a new Wine test needs
# no label or list of its own to be run in the guest.
#   cmake -DBUILD=build/native -P scripts/wine-vm/wine-tests.cmake
file(STRINGS ${BUILD}/CMakeCache.txt wine REGEX "^DK_WINE:")
string(REGEX REPLACE "^[^=]*=" "" wine "${wine}")
if(NOT wine OR wine MATCHES "NOTFOUND$")
    return()
endif()

find_program(ctest ctest)
execute_process(COMMAND ${ctest} --test-dir ${BUILD} --show-only=json-v1
                OUTPUT_VARIABLE json RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ctest could not list the tests of ${BUILD}")
endif()

set(names "")
string(JSON count LENGTH "${json}" tests)
if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        string(JSON name GET "${json}" tests ${index} name)
        string(JSON command ERROR_VARIABLE no_command GET "${json}" tests ${index} command)
        # The runner is a whole argument or the value of one (-DRUNNER=...).
        string(FIND "${command}" "${wine}\"" at)
        if(NOT no_command AND at GREATER -1)
            string(REGEX REPLACE "([][.*+?^$(){}|\\])" "\\\\\\1" name "${name}")
            list(APPEND names "${name}")
        endif()
    endforeach()
endif()
if(names)
    list(JOIN names "|" pattern)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "^(${pattern})$")
endif()
