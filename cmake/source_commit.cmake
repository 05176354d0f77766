# Which commit the source tree is, and when it was made: the release's time
# stamps and BUILDINFO.txt come from it, so that a clone and a source archive
# of one commit build the same bytes. A checkout asks git; a source archive
# made by git archive has no history, but git filled in its commit's time and
# id in DK_ARCHIVE_COMMIT_FILE when it made the archive.
#   dk_source_commit(time id origin)  time in seconds since 1970 and the full
#       commit id, or both "" when neither is known; origin says where they
#       came from, or why they are not known
set(DK_ARCHIVE_COMMIT_FILE cmake/archive_commit.txt)

function(dk_git_commit time_out id_out reason_out)
    set(${time_out} "" PARENT_SCOPE)
    set(${id_out} "" PARENT_SCOPE)
    find_program(DK_GIT git)
    if(NOT DK_GIT)
        if(EXISTS ${CMAKE_SOURCE_DIR}/.git)
            set(${reason_out} "git is not installed, though the tree is a git checkout" PARENT_SCOPE)
        else()
            set(${reason_out} "no git" PARENT_SCOPE)
        endif()
        return()
    endif()
    # A tree unpacked inside some other repository must not take that one's commit.
    execute_process(COMMAND ${DK_GIT} -C ${CMAKE_SOURCE_DIR} rev-parse --show-toplevel
                    OUTPUT_VARIABLE top ERROR_VARIABLE error RESULT_VARIABLE status
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0)
        set(${reason_out} "not a git checkout (${error})" PARENT_SCOPE)
        return()
    endif()
    file(REAL_PATH ${top} top)
    file(REAL_PATH ${CMAKE_SOURCE_DIR} source)
    if(NOT top STREQUAL source)
        set(${reason_out} "the source tree is not the top of the git checkout ${top}" PARENT_SCOPE)
        return()
    endif()
    execute_process(COMMAND ${DK_GIT} -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct%n%H
                    OUTPUT_VARIABLE commit ERROR_VARIABLE error RESULT_VARIABLE status
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0 OR NOT commit MATCHES "^([0-9]+)\n([0-9a-f]+)$")
        set(${reason_out} "git gave no commit (${error})" PARENT_SCOPE)
        return()
    endif()
    set(${time_out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(${id_out} ${CMAKE_MATCH_2} PARENT_SCOPE)
    dk_reconfigure_when_head_moves()
endfunction()

# A commit, an amend or a checkout made after the configure step gives the
# next build its time and id. HEAD's log changes with each of them.
function(dk_reconfigure_when_head_moves)
    foreach(name logs/HEAD HEAD)
        execute_process(COMMAND ${DK_GIT} -C ${CMAKE_SOURCE_DIR} rev-parse --git-path ${name}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        get_filename_component(path "${path}" ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
        if(EXISTS "${path}")
            set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
            return()
        endif()
    endforeach()
endfunction()

function(dk_archived_commit time_out id_out reason_out)
    set(${time_out} "" PARENT_SCOPE)
    set(${id_out} "" PARENT_SCOPE)
    set(file ${CMAKE_SOURCE_DIR}/${DK_ARCHIVE_COMMIT_FILE})
    if(NOT EXISTS ${file})
        set(${reason_out} "there is no ${DK_ARCHIVE_COMMIT_FILE}" PARENT_SCOPE)
        return()
    endif()
    file(STRINGS ${file} lines REGEX "^[^#]")
    list(LENGTH lines count)
    set(id_length 0)
    if(count EQUAL 2)
        list(GET lines 0 time)
        list(GET lines 1 id)
        string(LENGTH "${id}" id_length)
    endif()
    # The id of a SHA-1 or a SHA-256 repository.
    if(NOT count EQUAL 2 OR NOT time MATCHES "^[0-9]+$" OR NOT id MATCHES "^[0-9a-f]+$" OR
       NOT (id_length EQUAL 40 OR id_length EQUAL 64))
        set(${reason_out} "${DK_ARCHIVE_COMMIT_FILE} holds no commit (the tree is not from git archive)"
            PARENT_SCOPE)
        return()
    endif()
    set(${time_out} ${time} PARENT_SCOPE)
    set(${id_out} ${id} PARENT_SCOPE)
endfunction()

function(dk_source_commit time_out id_out origin_out)
    dk_git_commit(time id not_git)
    if(time)
        set(origin "the commit's time")
    else()
        dk_archived_commit(time id not_archive)
        if(time)
            set(origin "the source archive's commit time, from ${DK_ARCHIVE_COMMIT_FILE}")
        else()
            set(origin "${not_git}, and ${not_archive}")
        endif()
    endif()
    set(${time_out} "${time}" PARENT_SCOPE)
    set(${id_out} "${id}" PARENT_SCOPE)
    set(${origin_out} "${origin}" PARENT_SCOPE)
endfunction()
