# cmake [-DRUNNER=wine -DTERMINAL=ON] -DPROGRAM=dkcheck -DNATIVE=native dkcheck -DSAMPLE=binding file
#       -DWORK=folder -P player_checks.cmake
# dkcheck as players start it, from a folder other than its own. Run by a
# script (its output taken), it never waits: without arguments it checks the
# DuskvaleKeys.ini beside itself and draws it there, and `dkcheck FILE` draws
# nothing. With TERMINAL, dkcheck.exe also runs in a terminal of its own
# (script(1); Wine makes it the program's console, as Explorer's double-click
# or drop does): it then ends with "Press Enter to close." and waits for the
# Enter it is given; a dropped file's picture goes beside that file; from a
# prompt (cmd) it neither waits nor draws. A player run also shows the first
# line and the lines of trouble of the plug-in's log beside the binding file,
# binding file or not; `dkcheck FILE` does not. With RUNNER, dkcheck.exe reports as
# the native build does, after a line that names Wine's US keyboard layout,
# and with --layout us exactly as the native build does.
set(picture DuskvaleKeys-layout.svg)
set(game ${WORK}/game)
set(elsewhere ${WORK}/elsewhere)
# Outside ASCII, as key labels may be: the console shows what dkcheck says of it as it is.
set(dropped "${WORK}/dropped keys é")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${game} ${elsewhere} ${dropped})
get_filename_component(program_name ${PROGRAM} NAME)
file(COPY ${PROGRAM} DESTINATION ${game})
set(copy ${game}/${program_name})

# Runs a command with its output taken, from `elsewhere`; sets status, said
# and printed (its standard output alone).
function(run_by_script)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${elsewhere} TIMEOUT 180
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(status ${result} PARENT_SCOPE)
    set(said "${out}${err}" PARENT_SCOPE)
    set(printed "${out}" PARENT_SCOPE)
endfunction()

# The same in a terminal that presses Enter every second. script(1) ends only
# at the end of its input, and then without the command's status: the command
# leaves its status in a file, and the input ends a moment after that. The
# terminal's cursor sequences are taken out of what it showed. No semicolons
# in the shell text: it passes through CMake lists.
function(run_in_terminal)
    set(line "")
    foreach(word IN LISTS ARGN)
        string(REPLACE "'" "'\\''" word "${word}")
        string(APPEND line " '${word}'")
    endforeach()
    set(done ${WORK}/terminal.done)
    file(REMOVE ${done})
    set(command "${line}\n echo $? > '${done}.part'\n mv '${done}.part' '${done}'")
    set(enter "{ while [ ! -e '${done}' ]\n do printf '\\r'\n sleep 1\n done\n sleep 1\n } 2>/dev/null")
    run_by_script(bash -c "script -q -c \"$0\" /dev/null < <(${enter})" "${command}")
    if(EXISTS ${done})
        file(STRINGS ${done} status)
    endif()
    string(ASCII 27 escape)
    string(REGEX REPLACE "${escape}\\[[0-9;?]*[A-Za-z]" "" said "${said}")
    set(status ${status} PARENT_SCOPE)
    set(said "${said}" PARENT_SCOPE)
endfunction()

function(expect how expected_status)
    cmake_parse_arguments(ARG "" "" "SAYS;NOT_SAYS;DRAWN;NOT_DRAWN" ${ARGN})
    # A console draws in pieces, moving the cursor over spaces and breaking
    # lines anywhere: what was said is searched without its white space.
    string(REGEX REPLACE "[ \r\n]" "" heard "${said}")
    if(NOT status STREQUAL expected_status)
        message(FATAL_ERROR "${how}: exit status ${status}, expected ${expected_status}\n${said}")
    endif()
    foreach(text IN LISTS ARG_SAYS)
        string(REPLACE " " "" text "${text}")
        string(FIND "${heard}" "${text}" at)
        if(at LESS 0)
            message(FATAL_ERROR "${how}: does not say \"${text}\":\n${said}")
        endif()
    endforeach()
    foreach(text IN LISTS ARG_NOT_SAYS)
        string(REPLACE " " "" text "${text}")
        string(FIND "${heard}" "${text}" at)
        if(at GREATER -1)
            message(FATAL_ERROR "${how}: says \"${text}\":\n${said}")
        endif()
    endforeach()
    foreach(file IN LISTS ARG_DRAWN)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/expected.svg ${file}
                        RESULT_VARIABLE different)
        if(different)
            message(FATAL_ERROR "${how}: ${file} is not the picture of the file (see ${WORK}/expected.svg)")
        endif()
    endforeach()
    foreach(file IN LISTS ARG_NOT_DRAWN)
        if(EXISTS ${file})
            message(FATAL_ERROR "${how}: drew ${file}")
        endif()
    endforeach()
    file(REMOVE ${game}/${picture} ${dropped}/${picture} ${elsewhere}/${picture})
endfunction()

# The last run printed the native report, first the line of `layout` if given.
function(expect_report how layout)
    string(REPLACE "\r" "" report "${printed}")
    if(layout)
        string(FIND "${report}" "\n" end)
        string(SUBSTRING "${report}" 0 ${end} first)
        string(FIND "${first}" "${layout}" at)
        if(at LESS 0)
            message(FATAL_ERROR "${how}: the report does not begin with \"${layout}\":\n${printed}")
        endif()
        math(EXPR end "${end} + 1")
        string(SUBSTRING "${report}" ${end} -1 report)
    endif()
    if(NOT report STREQUAL native_report)
        message(FATAL_ERROR "${how}: not the native report:\n${printed}\nnative:\n${native_report}")
    endif()
endfunction()

set(wait "Press Enter to close.")
set(none "There is no DuskvaleKeys.ini")
set(nowhere ${game}/${picture} ${elsewhere}/${picture})
set(log_view "The plug-in's log of its last start")

# Another game build: the plug-in wrote its log and no binding file.
file(WRITE ${game}/DuskvaleKeys.log "10:00:00.000 DuskvaleKeys 1.0.0 started: Z:\\game\\DuskvaleKeys.asi\r\n"
                                     "10:00:00.001 game build not recognised: the byte at 0x005602B3 is 0x0F\r\n")
run_by_script(${RUNNER} ${copy})
expect("no arguments, no binding file, by a script" 2 SAYS ${none} ${log_view} "started: Z:\\game"
       "game build not recognised" NOT_SAYS ${wait} NOT_DRAWN ${nowhere})
file(WRITE ${game}/DuskvaleKeys.log "10:00:00.000 DuskvaleKeys 1.0.0 started: Z:\\game\\DuskvaleKeys.asi\r\n"
                                     "10:00:00.001 game build recognised\r\n"
                                     "10:00:00.002 line 5 skipped: no '=' in \"[Bindings]\"\r\n"
                                     "10:00:01.000 pages installed, 1.0 s after start\r\n")
set(log_trouble ${log_view} "started: Z:\\game" "line 5 skipped")

# The sample's name is the binding file's, as the picture names its file.
file(COPY_FILE ${SAMPLE} ${game}/DuskvaleKeys.ini)
file(COPY_FILE ${SAMPLE} "${dropped}/DuskvaleKeys.ini")
execute_process(COMMAND ${NATIVE} --svg ${WORK}/expected.svg ${game}/DuskvaleKeys.ini OUTPUT_QUIET)
execute_process(COMMAND ${NATIVE} ${game}/DuskvaleKeys.ini RESULT_VARIABLE checked OUTPUT_VARIABLE native_report)

run_by_script(${RUNNER} ${copy})
expect("no arguments, by a script" ${checked} SAYS "Lines:" ${log_trouble}
       NOT_SAYS ${wait} "game build recognised" "pages installed" DRAWN ${game}/${picture}
       NOT_DRAWN ${elsewhere}/${picture})
file(COPY_FILE ${game}/DuskvaleKeys.log "${dropped}/DuskvaleKeys.log")
run_by_script(${RUNNER} ${copy} "${dropped}/DuskvaleKeys.ini")
expect("a file, by a script" ${checked} SAYS "Lines:" NOT_SAYS ${wait} ${log_view}
       NOT_DRAWN "${dropped}/${picture}")
if(RUNNER)
    # dkcheck.exe names keys as the layout of its own thread labels them;
    # Wine here has only the US one, whose labels are the file's own.
    expect_report("a file, by a script" "keyboard layout 04090409")
    run_by_script(${RUNNER} ${copy} --layout us "${dropped}/DuskvaleKeys.ini")
    expect("--layout us, by a script" ${checked} NOT_DRAWN "${dropped}/${picture}")
    expect_report("--layout us, by a script" "")
endif()

if(NOT TERMINAL)
    return()
endif()
# Explorer gives a dropped file's Windows path.
string(REPLACE "/" "\\" windows_drop "Z:${dropped}/DuskvaleKeys.ini")

run_in_terminal(${RUNNER} ${copy})
expect("a double-click" ${checked} SAYS "keyboard layout 04090409" "Lines:" ${log_trouble} ${wait}
       DRAWN ${game}/${picture} NOT_DRAWN ${elsewhere}/${picture})
run_in_terminal(${RUNNER} ${copy} ${windows_drop})
expect("a drop" ${checked} SAYS "dropped keys é\\DuskvaleKeys.ini" "Lines:" ${log_trouble} ${wait}
       DRAWN "${dropped}/${picture}" NOT_DRAWN ${nowhere})
run_in_terminal(${RUNNER} cmd /c ${copy} ${windows_drop})
expect("a file, from a prompt" ${checked} SAYS "Lines:" NOT_SAYS ${wait} ${log_view} NOT_DRAWN "${dropped}/${picture}")
# From a prompt too, an error names a folder outside ASCII as it is.
string(REPLACE "DuskvaleKeys.ini" "none.ini" windows_none "${windows_drop}")
run_in_terminal(${RUNNER} cmd /c ${copy} ${windows_none})
expect("no such file, from a prompt" 2 SAYS "cannot read ${windows_none}" NOT_SAYS ${wait})
file(REMOVE ${game}/DuskvaleKeys.ini)
run_in_terminal(${RUNNER} ${copy})
expect("a double-click, no binding file" 2 SAYS ${none} ${wait} NOT_DRAWN ${nowhere})
