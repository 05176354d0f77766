# What a player installs carries the version in its file properties.
dk_add_version_resource(DuskvaleKeys "Rebindable keyboard and mouse controls for Duskvale"
                        DuskvaleKeys.asi VFT_DLL)
dk_add_version_resource(dkcheck "Checks a DuskvaleKeys binding file" dkcheck.exe VFT_APP)

# The picture of the default layout is drawn by dkcheck itself. A cross build
# cannot run its own dkcheck.exe, so a build of dkcheck for this machine draws
# it: the one named in DK_NATIVE_DKCHECK, or else one built here on the side.
if(NOT CMAKE_CROSSCOMPILING)
    set(drawing_dkcheck $<TARGET_FILE:dkcheck>)
    set(drawing_dkcheck_target dkcheck)
elseif(DK_NATIVE_DKCHECK)
    set(drawing_dkcheck ${DK_NATIVE_DKCHECK})
    set(drawing_dkcheck_target "")
else()
    include(ExternalProject)
    set(native_tools ${CMAKE_BINARY_DIR}/native-dkcheck)
    set(drawing_dkcheck ${native_tools}/tools/dkcheck)
    set(drawing_dkcheck_target native_dkcheck)
    ExternalProject_Add(native_dkcheck
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${native_tools}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DDK_BUILD_TESTS=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${native_tools} --target dkcheck
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${drawing_dkcheck}
        INSTALL_COMMAND "")
endif()
set(DK_DEFAULT_LAYOUT_SVG ${CMAKE_BINARY_DIR}/DuskvaleKeys-default-layout.svg)
add_custom_command(
    OUTPUT ${DK_DEFAULT_LAYOUT_SVG}
    COMMAND ${drawing_dkcheck} --svg ${DK_DEFAULT_LAYOUT_SVG} --defaults
    DEPENDS ${drawing_dkcheck_target} ${drawing_dkcheck}
    COMMENT "Drawing the default layout")

# What the programs were built from and with, so that a player can build the
# same bytes: the commit, its moment and the toolchain's package versions.
# Rewritten only when it changes, like the moment's file.
include(${CMAKE_SOURCE_DIR}/cmake/toolchain_packages.cmake)
dk_toolchain_packages(dk_toolchain)
if(DK_SOURCE_COMMIT)
    set(dk_commit_line "${DK_SOURCE_COMMIT}")
else()
    set(dk_commit_line "unknown (${DK_SOURCE_COMMIT_ORIGIN})")
endif()
set(DK_BUILD_INFO ${CMAKE_BINARY_DIR}/BUILDINFO.txt)
file(CONFIGURE OUTPUT ${DK_BUILD_INFO} @ONLY CONTENT "DuskvaleKeys ${PROJECT_VERSION}
Commit: ${dk_commit_line}
SOURCE_DATE_EPOCH: ${DK_SOURCE_DATE_EPOCH} (${DK_SOURCE_DATE_TEXT})
${dk_toolchain}

The same commit built with these package versions gives the same bytes
(see \"Checking your download\" in DuskvaleKeys-Guide.md).
")

# The zip a player downloads: the plug-in, the binding-file checker, the
# player's guide, the picture of the default layout, the changelog and
# BUILDINFO.txt, named after the project's one version number, with a
# SHA256SUMS of those files. Built twice from one commit it is the same bytes
# (see zip_folder.cmake).
find_program(DK_ZIP zip)
if(NOT DK_ZIP)
    message(FATAL_ERROR "zip not found: install it (scripts/build.sh does)")
endif()
set(DK_RELEASE_ZIP ${CMAKE_BINARY_DIR}/DuskvaleKeys-${PROJECT_VERSION}.zip)
set(stage ${CMAKE_BINARY_DIR}/release)
set(guide ${CMAKE_SOURCE_DIR}/docs/player-guide.md)
set(changelog ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set(entries DuskvaleKeys.asi,dkcheck.exe,DuskvaleKeys-Guide.md,CHANGELOG.md,DuskvaleKeys-default-layout.svg,BUILDINFO.txt,SHA256SUMS)

# Both programs carry the release's moment in their headers: a new one relinks them.
set_property(TARGET DuskvaleKeys dkcheck APPEND PROPERTY LINK_DEPENDS ${DK_SOURCE_DATE_EPOCH_FILE})

add_custom_command(
    OUTPUT ${DK_RELEASE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:DuskvaleKeys> ${stage}/DuskvaleKeys.asi
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dkcheck> ${stage}/dkcheck.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${guide} ${stage}/DuskvaleKeys-Guide.md
    COMMAND ${CMAKE_COMMAND} -E copy ${changelog} ${stage}/CHANGELOG.md
    COMMAND ${CMAKE_COMMAND} -E copy ${DK_DEFAULT_LAYOUT_SVG} ${stage}/DuskvaleKeys-default-layout.svg
    COMMAND ${CMAKE_COMMAND} -E copy ${DK_BUILD_INFO} ${stage}/BUILDINFO.txt
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${stage} -P ${CMAKE_SOURCE_DIR}/cmake/write_checksums.cmake
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${stage} -DENTRIES=${entries} -DZIP=${DK_RELEASE_ZIP} -DZIP_PROGRAM=${DK_ZIP}
            -DEPOCH=${DK_SOURCE_DATE_EPOCH} -P ${CMAKE_SOURCE_DIR}/cmake/zip_folder.cmake
    DEPENDS DuskvaleKeys dkcheck ${guide} ${changelog} ${DK_DEFAULT_LAYOUT_SVG} ${DK_BUILD_INFO}
            ${DK_SOURCE_DATE_EPOCH_FILE}
            ${CMAKE_SOURCE_DIR}/cmake/write_checksums.cmake ${CMAKE_SOURCE_DIR}/cmake/zip_folder.cmake
    COMMENT "Packing DuskvaleKeys-${PROJECT_VERSION}.zip")

# dist/ as scripts/build.sh hands it out: the two programs, the picture, the
# zip and their SHA256SUMS, and nothing left from an earlier build.
set(DK_DIST ${CMAKE_BINARY_DIR}/dist)
add_custom_command(
    OUTPUT ${DK_DIST}/SHA256SUMS
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${DK_DIST}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DK_DIST}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:DuskvaleKeys> $<TARGET_FILE:dkcheck> ${DK_DEFAULT_LAYOUT_SVG}
            ${DK_RELEASE_ZIP} ${DK_DIST}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${DK_DIST} -P ${CMAKE_SOURCE_DIR}/cmake/write_checksums.cmake
    DEPENDS DuskvaleKeys dkcheck ${DK_DEFAULT_LAYOUT_SVG} ${DK_RELEASE_ZIP}
    COMMENT "Gathering dist/ and its SHA256SUMS")
add_custom_target(release ALL DEPENDS ${DK_RELEASE_ZIP} ${DK_DIST}/SHA256SUMS)
