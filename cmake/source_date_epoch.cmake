# The one moment every time stamp of the release carries (the programs' PE
# headers, the zip's entries), so that two builds of one commit give the same
# bytes: SOURCE_DATE_EPOCH when it is set, else the time of the commit the
# source tree is checked out at, else (a source tree without its history)
# 1980-01-01 00:00:00 UTC, the earliest time a zip entry can hold. Never the
# time of the build.
#   DK_SOURCE_DATE_EPOCH       seconds since 1970-01-01 00:00:00 UTC
#   DK_SOURCE_DATE_EPOCH_FILE  holds that number; rewritten only when it changes,
#                              so what depends on it is redone exactly then
set(dk_fallback_epoch 315532800)

function(dk_commit_time out reason)
    set(${out} "" PARENT_SCOPE)
    find_program(DK_GIT git)
    if(NOT DK_GIT)
        set(${reason} "no git" PARENT_SCOPE)
        return()
    endif()
    # A tree unpacked inside some other repository must not take that one's commit.
    execute_process(COMMAND ${DK_GIT} -C ${CMAKE_SOURCE_DIR} rev-parse --show-toplevel
                    OUTPUT_VARIABLE top ERROR_VARIABLE error RESULT_VARIABLE status
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0)
        set(${reason} "not a git checkout (${error})" PARENT_SCOPE)
        return()
    endif()
    file(REAL_PATH ${top} top)
    file(REAL_PATH ${CMAKE_SOURCE_DIR} source)
    if(NOT top STREQUAL source)
        set(${reason} "the source tree is not the top of the git checkout ${top}" PARENT_SCOPE)
        return()
    endif()
    execute_process(COMMAND ${DK_GIT} -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE time ERROR_VARIABLE error RESULT_VARIABLE status
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0 OR NOT time MATCHES "^[0-9]+$")
        set(${reason} "git gave no commit time (${error})" PARENT_SCOPE)
        return()
    endif()
    set(${out} ${time} PARENT_SCOPE)
endfunction()

if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(DK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    if(NOT DK_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=\"${DK_SOURCE_DATE_EPOCH}\" is not a number of seconds since 1970")
    endif()
    set(dk_epoch_origin "SOURCE_DATE_EPOCH")
else()
    dk_commit_time(DK_SOURCE_DATE_EPOCH dk_no_commit_time)
    if(DK_SOURCE_DATE_EPOCH)
        set(dk_epoch_origin "the commit's time")
    else()
        set(DK_SOURCE_DATE_EPOCH ${dk_fallback_epoch})
        set(dk_epoch_origin "the fixed fallback: ${dk_no_commit_time}; set SOURCE_DATE_EPOCH to choose")
    endif()
endif()
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
set(dk_outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${DK_SOURCE_DATE_EPOCH})
string(TIMESTAMP dk_epoch_text "%Y-%m-%d %H:%M:%S UTC" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${dk_outer_epoch}")
message(STATUS "Release time stamps: ${dk_epoch_text} (${DK_SOURCE_DATE_EPOCH}, ${dk_epoch_origin})")

set(DK_SOURCE_DATE_EPOCH_FILE ${CMAKE_BINARY_DIR}/source_date_epoch.txt)
file(CONFIGURE OUTPUT ${DK_SOURCE_DATE_EPOCH_FILE} CONTENT "${DK_SOURCE_DATE_EPOCH}\n")

# The linker writes SOURCE_DATE_EPOCH, when set, into the PE header and the
# export directory in place of the current time.
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${DK_SOURCE_DATE_EPOCH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${DK_SOURCE_DATE_EPOCH})
