# The one moment every time stamp of the release carries (the programs' PE
# headers, the zip's entries), so that two builds of one commit give the same
# bytes: SOURCE_DATE_EPOCH when it is set, else the time of the commit the
# source tree is checked out at or was archived from (source_commit.cmake),
# else (a tree with neither) 1980-01-01 00:00:00 UTC, the earliest time a zip
# entry can hold. Never the time of the build.
#   DK_SOURCE_DATE_EPOCH       seconds since 1970-01-01 00:00:00 UTC
#   DK_SOURCE_DATE_TEXT        the same moment as a date and time in UTC
#   DK_SOURCE_COMMIT           the commit's id, "" when not known
#   DK_SOURCE_COMMIT_ORIGIN    where it came from, or why it is not known
#   DK_SOURCE_DATE_EPOCH_FILE  holds that number; rewritten only when it changes,
#                              so what depends on it is redone exactly then
include(${CMAKE_SOURCE_DIR}/cmake/source_commit.cmake)
set(dk_fallback_epoch 315532800)

# The commit goes into BUILDINFO.txt whichever time the stamps carry.
dk_source_commit(dk_commit_time DK_SOURCE_COMMIT DK_SOURCE_COMMIT_ORIGIN)
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(DK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    if(NOT DK_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=\"${DK_SOURCE_DATE_EPOCH}\" is not a number of seconds since 1970")
    endif()
    set(dk_epoch_origin "SOURCE_DATE_EPOCH")
elseif(dk_commit_time)
    set(DK_SOURCE_DATE_EPOCH ${dk_commit_time})
    set(dk_epoch_origin "${DK_SOURCE_COMMIT_ORIGIN}")
else()
    set(DK_SOURCE_DATE_EPOCH ${dk_fallback_epoch})
    set(dk_epoch_origin "the fixed fallback: ${DK_SOURCE_COMMIT_ORIGIN}; set SOURCE_DATE_EPOCH to choose")
endif()
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
set(dk_outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${DK_SOURCE_DATE_EPOCH})
string(TIMESTAMP DK_SOURCE_DATE_TEXT "%Y-%m-%d %H:%M:%S UTC" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${dk_outer_epoch}")
message(STATUS "Release time stamps: ${DK_SOURCE_DATE_TEXT} (${DK_SOURCE_DATE_EPOCH}, ${dk_epoch_origin})")

set(DK_SOURCE_DATE_EPOCH_FILE ${CMAKE_BINARY_DIR}/source_date_epoch.txt)
file(CONFIGURE OUTPUT ${DK_SOURCE_DATE_EPOCH_FILE} CONTENT "${DK_SOURCE_DATE_EPOCH}\n")

# The linker writes SOURCE_DATE_EPOCH, when set, into the PE header and the
# export directory in place of the current time.
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${DK_SOURCE_DATE_EPOCH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${DK_SOURCE_DATE_EPOCH})
