# cmake -DFOLDER=... -DENTRIES=a,b,... -DZIP=out.zip -DZIP_PROGRAM=zip -DEPOCH=seconds -P zip_folder.cmake
# Packs the files ENTRIES of FOLDER, in that order, into ZIP so that its bytes
# depend on the files' contents and EPOCH alone: each entry is dated EPOCH and
# has mode 0644, and no owner or access and change times go in (-X), whoever
# builds it, wherever, with whatever umask or time zone.
string(REPLACE "," ";" entries "${ENTRIES}")
# A zip entry's time starts at 1980; it is local time, so it is written in UTC.
set(earliest 315532800)
if(EPOCH LESS earliest)
    set(EPOCH ${earliest})
endif()
foreach(entry IN LISTS entries)
    file(CHMOD ${FOLDER}/${entry} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND touch -d @${EPOCH} ${FOLDER}/${entry} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot date ${FOLDER}/${entry}")
    endif()
endforeach()
# zip adds to an existing archive rather than replacing it.
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP_PROGRAM} -X -D -q ${ZIP} ${entries}
                WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${ZIP_PROGRAM} could not pack ${ZIP}")
endif()
