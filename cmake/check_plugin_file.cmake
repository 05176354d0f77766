# cmake -DOBJDUMP=... -DPLUGIN=DuskvaleKeys.asi -P check_plugin_file.cmake
# What a player's machine needs of the file: the one export under its plain
# name, only system DLLs imported, and exception handlers allowed (a NO_SEH
# flag would silently turn the torch path's fault guard off on Windows).
execute_process(COMMAND ${OBJDUMP} -p ${PLUGIN} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${PLUGIN}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOUPPER "${dll}" dll)
    if(NOT dll MATCHES "^(KERNEL32|USER32|MSVCRT)\\.DLL$")
        message(FATAL_ERROR "imports ${dll}, which is not a Windows system DLL")
    endif()
endforeach()

string(REGEX MATCHALL "\\[ +[0-9]+\\] [A-Za-z_][A-Za-z0-9_@]*\n" exports "${headers}")
if(NOT exports MATCHES "^\\[ +0\\] InitializeASI\n$")
    message(FATAL_ERROR "expected InitializeASI alone, under its plain name; exports: ${exports}")
endif()

string(REGEX MATCH "DllCharacteristics[ \t]+([0-9a-fA-F]+)" _ "${headers}")
math(EXPR noSeh "0x${CMAKE_MATCH_1} & 0x400")
if(NOT noSeh EQUAL 0)
    message(FATAL_ERROR "the file is marked NO_SEH: the fault guard's handler would never be called")
endif()
message(STATUS "${PLUGIN}: imports only system DLLs; exports InitializeASI; exception handlers allowed")
