# cmake -DSOURCE=tree -DFIRST=win32 build tree -DWORK=folder [-DJOBS=2] -P check_release_builds.cmake
# The release is the same bytes from the same source: the files of the first
# build's dist/ are checked against both SHA256SUMS (dist's and the zip's, the
# latter inside the unpacked zip), the zip's BUILDINFO.txt must name the commit
# the checkout is at and the build's moment, then a source archive of that
# commit made by git archive, as a code host offers it, is unpacked in another
# folder and built there, later, without any git history or SOURCE_DATE_EPOCH,
# with other file modes, another umask and another time zone, and every file
# of its dist/ must equal the first's.
# A working tree with changes of its own, or a first build given another moment
# through SOURCE_DATE_EPOCH, is no commit's archive: then the archive is made
# of the tree as it stands, committed on the side in a scratch repository, and
# its commit file is given the first build's commit and moment.
if(NOT JOBS)
    set(JOBS 2)
endif()

function(check_sums folder)
    execute_process(COMMAND sha256sum --check --strict --quiet SHA256SUMS
                    WORKING_DIRECTORY ${folder} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(FATAL_ERROR "sha256sum -c in ${folder}:\n${said}")
    endif()
    # sha256sum -c says nothing of files the list leaves out.
    file(STRINGS ${folder}/SHA256SUMS lines)
    set(listed "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[0-9a-f]+  " "" name "${line}")
        list(APPEND listed ${name})
    endforeach()
    file(GLOB present RELATIVE ${folder} ${folder}/*)
    list(REMOVE_ITEM present SHA256SUMS)
    list(SORT present)
    list(SORT listed)
    if(NOT listed STREQUAL present)
        message(FATAL_ERROR "${folder}/SHA256SUMS lists ${listed}; the folder holds ${present}")
    endif()
endfunction()

# Runs a command and stops the check if it fails; what it printed is in run_output.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        message(FATAL_ERROR "${ARGN}:\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

include(${SOURCE}/cmake/source_commit.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

check_sums(${FIRST}/dist)
file(GLOB zip ${FIRST}/dist/*.zip)
file(MAKE_DIRECTORY ${WORK}/unpacked)
run(${CMAKE_COMMAND} -E chdir ${WORK}/unpacked ${CMAKE_COMMAND} -E tar xf ${zip})
check_sums(${WORK}/unpacked)

# What the first build says it was built from.
file(STRINGS ${FIRST}/source_date_epoch.txt epoch)
file(READ ${WORK}/unpacked/BUILDINFO.txt build_info)
if(NOT build_info MATCHES "\nCommit: ([0-9a-f]+)\n")
    message(FATAL_ERROR "The zip's BUILDINFO.txt names no commit:\n${build_info}")
endif()
set(commit ${CMAKE_MATCH_1})
if(NOT build_info MATCHES "\nSOURCE_DATE_EPOCH: ${epoch} ")
    message(FATAL_ERROR "The zip's BUILDINFO.txt does not give the build's moment ${epoch}:\n${build_info}")
endif()

find_program(GIT git)
if(NOT GIT)
    message(FATAL_ERROR "git makes the source archive: install it (scripts/test.sh does)")
endif()
execute_process(COMMAND ${GIT} -C ${SOURCE} rev-parse --show-toplevel
                OUTPUT_VARIABLE top RESULT_VARIABLE not_checkout OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT not_checkout)
    file(REAL_PATH ${top} top)
endif()
file(REAL_PATH ${SOURCE} source)
if(not_checkout OR NOT top STREQUAL source)
    set(archived_as_is "the source tree is not a git checkout")
else()
    run(${GIT} -C ${SOURCE} log -1 --format=%ct%n%H)
    string(REPLACE "\n" ";" head "${run_output}")
    list(GET head 0 head_time)
    list(GET head 1 head)
    if(NOT commit STREQUAL head)
        message(FATAL_ERROR "The first build (${FIRST}) names commit ${commit}; the checkout is at ${head}. "
                            "Build it again (cmake --build --preset win32), then run this test.")
    endif()
    run(${GIT} -C ${SOURCE} status --porcelain)
    if(run_output)
        string(REGEX MATCHALL "\n" lines "\n${run_output}")
        list(LENGTH lines changed)
        set(archived_as_is "${changed} paths of the working tree differ from ${head}")
    elseif(NOT epoch STREQUAL head_time)
        set(archived_as_is "the first build's moment ${epoch} is not the commit's ${head_time}: SOURCE_DATE_EPOCH")
    endif()
endif()

set(archive ${WORK}/source.tar)
if(archived_as_is)
    # A commit of the tree as it stands, in a repository of the test's own.
    set(scratch ${GIT} -C ${SOURCE} --git-dir=${WORK}/scratch.git --work-tree=${SOURCE})
    run(${GIT} init --quiet --bare ${WORK}/scratch.git)
    # Not this check's own folder, when it lies in the tree and nothing ignores it.
    file(RELATIVE_PATH work_in_source ${SOURCE} ${WORK})
    file(WRITE ${WORK}/scratch.git/info/exclude "/${work_in_source}/\n")
    run(${scratch} add --all)
    run(${scratch} write-tree)
    set(who release-check)
    run(${CMAKE_COMMAND} -E env GIT_AUTHOR_NAME=${who} GIT_AUTHOR_EMAIL=${who}@localhost "GIT_AUTHOR_DATE=${epoch} +0000"
        GIT_COMMITTER_NAME=${who} GIT_COMMITTER_EMAIL=${who}@localhost "GIT_COMMITTER_DATE=${epoch} +0000"
        ${scratch} commit-tree ${run_output} -m "The working tree as it stands")
    run(${scratch} archive --format=tar -o ${archive} ${run_output})
    set(what "git archive of the working tree as it stands (${archived_as_is}; committed on the side, ")
    string(APPEND what "its ${DK_ARCHIVE_COMMIT_FILE} given commit ${commit} and moment ${epoch})")
else()
    run(${GIT} -C ${SOURCE} archive --format=tar -o ${archive} HEAD)
    set(what "git archive of ${head} (HEAD; the working tree has no changes of its own)")
endif()

set(unpacked ${WORK}/unpacked-source-archive)
file(MAKE_DIRECTORY ${unpacked})
run(${CMAKE_COMMAND} -E chdir ${unpacked} ${CMAKE_COMMAND} -E tar xf ${archive})
set(commit_file ${unpacked}/${DK_ARCHIVE_COMMIT_FILE})
if(archived_as_is)
    file(WRITE ${commit_file} "${epoch}\n${commit}\n")
else()
    file(STRINGS ${commit_file} filled REGEX "^[^#]")
    if(NOT filled STREQUAL "${epoch};${commit}")
        message(FATAL_ERROR "git archive left ${DK_ARCHIVE_COMMIT_FILE} holding \"${filled}\", not ${epoch} and "
                            "${commit}: is it export-subst in .gitattributes?")
    endif()
endif()
file(CHMOD_RECURSE ${unpacked} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Later, elsewhere, with no repository around it (it lies inside the checkout)
# and no SOURCE_DATE_EPOCH: the moment has to come from the archive.
set(elsewhere ${CMAKE_COMMAND} -E env --unset=SOURCE_DATE_EPOCH GIT_CEILING_DIRECTORIES=${WORK} TZ=XST-9)
set(in_unpacked sh -c "umask 077 && cd \"$0\" && exec \"$@\"" ${unpacked} ${elsewhere})
run(${in_unpacked} ${CMAKE_COMMAND} --preset win32)
string(REGEX MATCH "Release time stamps: [^\n]*" stamps "${run_output}")
string(FIND "${stamps}" "(${epoch}, the source archive's commit time, from ${DK_ARCHIVE_COMMIT_FILE})" from_archive)
if(from_archive EQUAL -1)
    message(FATAL_ERROR "The source archive's build did not take its moment from ${DK_ARCHIVE_COMMIT_FILE}:\n"
                        "${stamps}")
endif()
run(${in_unpacked} ${CMAKE_COMMAND} --build --preset win32 --target release -j ${JOBS})

set(second ${unpacked}/build/win32/dist)
file(GLOB first_files RELATIVE ${FIRST}/dist ${FIRST}/dist/*)
file(GLOB second_files RELATIVE ${second} ${second}/*)
if(NOT first_files STREQUAL second_files)
    message(FATAL_ERROR "dist/ holds ${first_files} in the first build, ${second_files} in the source archive's")
endif()
set(different "")
foreach(name IN LISTS first_files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FIRST}/dist/${name} ${second}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
        list(APPEND different ${name})
    endif()
endforeach()
if(different)
    list(JOIN different ", " different)
    message(FATAL_ERROR "The first build and the build of a ${what} differ in ${different}. To see where: "
                        "cmp -l ${FIRST}/dist/NAME ${second}/NAME; i686-w64-mingw32-objdump -p on both.")
endif()
list(LENGTH first_files count)
file(READ ${FIRST}/dist/SHA256SUMS sums)
message(STATUS "Compared the ${count} files of dist/ byte for byte: ${FIRST} (commit ${commit}, moment ${epoch}) "
               "and a build of a ${what}, unpacked in ${unpacked} and built there without git history or "
               "SOURCE_DATE_EPOCH, files 0600, umask 077, TZ=XST-9. Both gave these bytes:\n${sums}")
