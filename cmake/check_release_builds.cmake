# cmake -DSOURCE=tree -DFIRST=win32 build tree -DWORK=folder [-DJOBS=2] -P check_release_builds.cmake
# The release is the same bytes from the same source: the files of the first
# build's dist/ are checked against both SHA256SUMS (dist's and the zip's, the
# latter inside the unpacked zip), then the source is copied to another folder
# and built again there, later, with other file modes, another umask and
# another time zone, and every file of its dist/ must equal the first's.
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

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(FATAL_ERROR "${ARGN}:\n${said}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

check_sums(${FIRST}/dist)
file(GLOB zip ${FIRST}/dist/*.zip)
file(MAKE_DIRECTORY ${WORK}/unpacked)
run(${CMAKE_COMMAND} -E chdir ${WORK}/unpacked ${CMAKE_COMMAND} -E tar xf ${zip})
check_sums(${WORK}/unpacked)

# The copy has no history: it is given the first build's moment, which that
# build took from SOURCE_DATE_EPOCH or the commit.
file(STRINGS ${FIRST}/source_date_epoch.txt epoch)
set(copy ${WORK}/another-checkout-of-the-source)
file(GLOB top RELATIVE ${SOURCE} ${SOURCE}/* ${SOURCE}/.*)
list(REMOVE_ITEM top build dist .git)
file(MAKE_DIRECTORY ${copy})
foreach(entry IN LISTS top)
    file(COPY ${SOURCE}/${entry} DESTINATION ${copy}
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
set(elsewhere ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch} TZ=XST-9)
run(sh -c "umask 077 && cd \"$0\" && exec \"$@\"" ${copy} ${elsewhere} ${CMAKE_COMMAND} --preset win32)
run(sh -c "umask 077 && cd \"$0\" && exec \"$@\"" ${copy} ${elsewhere}
    ${CMAKE_COMMAND} --build --preset win32 --target release -j ${JOBS})

set(second ${copy}/build/win32/dist)
file(GLOB first_files RELATIVE ${FIRST}/dist ${FIRST}/dist/*)
file(GLOB second_files RELATIVE ${second} ${second}/*)
if(NOT first_files STREQUAL second_files)
    message(FATAL_ERROR "dist/ holds ${first_files} in the first build, ${second_files} in the second")
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
    message(FATAL_ERROR "Two builds of the same source differ in ${different}. To see where: "
                        "cmp -l ${FIRST}/dist/NAME ${second}/NAME; i686-w64-mingw32-objdump -p on both.")
endif()
file(READ ${FIRST}/dist/SHA256SUMS sums)
message(STATUS "Both builds gave these bytes:\n${sums}")
