# dk_add_version_resource(target description filename filetype): gives a Windows
# program the VERSIONINFO of this project's one version number.
function(dk_add_version_resource target description filename filetype)
    set(DK_RC_DESCRIPTION "${description}")
    set(DK_RC_NAME "${target}")
    set(DK_RC_FILENAME "${filename}")
    set(DK_RC_FILETYPE "${filetype}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
