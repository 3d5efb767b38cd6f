# The release notes, NEWS.md, read into the forms each package gives them.
#
#   velk_release_notes()
#
# sets in the caller's scope
#   VELK_RELEASE_DATE          the date of PROJECT_VERSION's entry, YYYY-MM-DD
#   VELK_RELEASE_NOTES         that entry alone, in Markdown
#   VELK_NEWS_TEXT             every entry as plain text
#   VELK_DEBIAN_CHANGELOG      every entry as a Debian changelog (with
#                              VELK_PACKAGE_NAME and VELK_MAINTAINER)
# and stops the configuration when the newest entry is not PROJECT_VERSION's.
#
# An entry is a heading "## <version> (<YYYY-MM-DD>)" and a list of items,
# each "- " with its lines after the first indented by two blanks. The
# changelog dates an entry 12:00 UTC, or at the time "(<YYYY-MM-DD> <HH:MM>
# UTC)" gives, for two versions of one day.
function(velk_release_notes)
    set(news_file ${PROJECT_SOURCE_DIR}/NEWS.md)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${news_file})
    file(READ ${news_file} news)
    set(heading "\n## ([0-9.]+) \\(([0-9]+-[0-9]+-[0-9]+)( [0-9]+:[0-9]+ UTC)?\\)\n")
    string(REGEX MATCHALL "${heading}" headings "${news}")
    if(NOT headings)
        message(FATAL_ERROR "NEWS.md has no entry \"## <version> (<date>)\"")
    endif()

    set(text "")
    set(changelog "")
    foreach(entry_heading IN LISTS headings)
        string(REGEX MATCH "${heading}" _ "${entry_heading}")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_2})
        set(time "${CMAKE_MATCH_3}")
        if(NOT time)
            set(time " 12:00 UTC")
        endif()
        # The entry's items: from its heading up to the next one.
        string(FIND "${news}" "${entry_heading}" start)
        string(LENGTH "${entry_heading}" length)
        math(EXPR start "${start} + ${length}")
        string(SUBSTRING "${news}" ${start} -1 body)
        string(FIND "${body}" "\n## " end)
        string(SUBSTRING "${body}" 0 ${end} body)
        string(STRIP "${body}" body)
        if(NOT DEFINED notes)
            if(NOT version VERSION_EQUAL PROJECT_VERSION)
                message(FATAL_ERROR "NEWS.md's newest entry is ${version}, "
                    "not ${PROJECT_VERSION} as project() in CMakeLists.txt says")
            endif()
            set(VELK_RELEASE_DATE ${date} PARENT_SCOPE)
            set(notes "# Velk Encrypt Decrypt ${version} (${date})\n\n${body}\n")
        endif()
        string(APPEND text "${version} (${date})\n\n${body}\n\n")

        string(REPLACE "\n  " "\n    " items "\n${body}")
        string(REPLACE "\n- " "\n  * " items "${items}")
        execute_process(COMMAND date -u -R -d "${date}${time}"
            OUTPUT_VARIABLE rfc2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND changelog "${VELK_PACKAGE_NAME} (${version}) unstable; urgency=medium\n"
            "${items}\n\n -- ${VELK_MAINTAINER}  ${rfc2822}\n\n")
    endforeach()
    string(STRIP "${text}" text)
    string(STRIP "${changelog}" changelog)
    set(VELK_RELEASE_NOTES "${notes}" PARENT_SCOPE)
    set(VELK_NEWS_TEXT "${text}" PARENT_SCOPE)
    set(VELK_DEBIAN_CHANGELOG "${changelog}\n" PARENT_SCOPE)
endfunction()
