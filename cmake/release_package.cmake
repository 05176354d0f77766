# What a player installs carries the version in its file properties.
dk_add_version_resource(DuskvaleKeys "Rebindable keyboard and mouse controls for Duskvale"
                        DuskvaleKeys.asi VFT_DLL)
dk_add_version_resource(dkcheck "Checks a DuskvaleKeys binding file" dkcheck.exe VFT_APP)

# The zip a player downloads: the plug-in, the binding-file checker, the
# player's guide and the changelog, named after the project's one version number.
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
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${DK_RELEASE_ZIP} --format=zip
            DuskvaleKeys.asi dkcheck.exe DuskvaleKeys-Guide.md CHANGELOG.md
    DEPENDS DuskvaleKeys dkcheck ${guide} ${changelog}
    COMMENT "Packing DuskvaleKeys-${PROJECT_VERSION}.zip")
add_custom_target(release_zip ALL DEPENDS ${DK_RELEASE_ZIP})
