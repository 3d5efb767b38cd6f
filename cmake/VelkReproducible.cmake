# The release builds' settings that make the same commit give the same bytes
# wherever and whenever it is built (presets dist-*, make release). Off in
# the developers' builds, whose debuggers find the sources by their paths.
#
# The rest comes from the environment make release sets: SOURCE_DATE_EPOCH,
# the commit's time, which rcc stamps into the windows' resources instead of
# the files' times, and which dates the packages' members.
option(VELK_REPRODUCIBLE "Build for a release: no build paths, no link times" OFF)
if(VELK_REPRODUCIBLE)
    # The source and build folders out of every path the compiler writes
    # (assertion texts, debug information before it is stripped, and so the
    # build ID), moc's and rcc's generated sources included.
    target_compile_options(velk_project INTERFACE
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
        -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
    # A PE header carries the link time unless told not to.
    if(WIN32)
        target_link_options(velk_project INTERFACE -Wl,--no-insert-timestamp)
    endif()
    # The time the packages give their files, where a packer takes the
    # files' own (the Windows installer and zip): empty when not set.
    set(VELK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
endif()
