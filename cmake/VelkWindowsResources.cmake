# velk_windows_resources(<target> <description>): the icon, the manifest and
# the version information every Windows program of the project carries.
function(velk_windows_resources target description)
    set(VELK_RC_PROGRAM ${target})
    set(VELK_RC_DESCRIPTION ${description})
    set(VELK_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/velk.ico)
    set(VELK_RC_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
