# Prints a ctest name pattern matching every test in the build tree BUILD that
# runs in Wine, or nothing when there is none. Every Wine test runs in the one
# environment the top CMakeLists gives it (DK_WINE_ENVIRONMENT), so they are
# found by that, with no label or list of their own, and also where this
# machine has no Wine and the test list names the guest's.
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
        string(JSON properties ERROR_VARIABLE no_properties GET "${json}" tests ${index} properties)
        string(FIND "${properties}" "\"WINEDEBUG=" at)
        if(NOT no_properties AND at GREATER -1)
            string(REGEX REPLACE "([][.*+?^$(){}|\\])" "\\\\\\1" name "${name}")
            list(APPEND names "${name}")
        endif()
    endforeach()
endif()
if(names)
    list(JOIN names "|" pattern)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "^(${pattern})$")
endif()
