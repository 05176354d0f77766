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

# The zip a player downloads: the plug-in, the binding-file checker, the
# player's guide, the picture of the default layout and the changelog, named
# after the project's one version number.
set(DK_RELEASE_ZIP ${CMAKE_BINARY_DIR}/DuskvaleKeys-${PROJECT_VERSION}.zip)
set(stage ${CMAKE_BINARY_DIR}/release)
set(guide ${CMAKE_SOURCE_DIR}/docs/player-guide.md)
set(changelog ${CMAKE_SOURCE_DIR}/CHANGELOG.md)

add_custom_command(
    OUTPUT ${DK_RELEASE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:DuskvaleKeys> ${stage}/DuskvaleKeys.asi
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dkcheck> ${stage}/dkcheck.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${guide} ${stage}/DuskvaleKeys-Guide.md
    COMMAND ${CMAKE_COMMAND} -E copy ${changelog} ${stage}/CHANGELOG.md
    COMMAND ${CMAKE_COMMAND} -E copy ${DK_DEFAULT_LAYOUT_SVG} ${stage}/DuskvaleKeys-default-layout.svg
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${DK_RELEASE_ZIP} --format=zip
            DuskvaleKeys.asi dkcheck.exe DuskvaleKeys-Guide.md CHANGELOG.md DuskvaleKeys-default-layout.svg
    DEPENDS DuskvaleKeys dkcheck ${guide} ${changelog} ${DK_DEFAULT_LAYOUT_SVG}
    COMMENT "Packing DuskvaleKeys-${PROJECT_VERSION}.zip")
add_custom_target(release_zip ALL DEPENDS ${DK_RELEASE_ZIP})
