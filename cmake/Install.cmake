# What `cmake --install` puts where: the program, and on freedesktop systems
# its launcher entry, AppStream metainfo and icons in the standard places.

include(GNUInstallDirs)

# Who builds the package answers for it: as Debian's own tools do, the
# maintainer comes from DEBFULLNAME and DEBEMAIL, else from the source tree's
# git identity; -DTREVALO_PACKAGE_MAINTAINER="Name <address>" sets it outright.
set(maintainer_name "$ENV{DEBFULLNAME}")
set(maintainer_email "$ENV{DEBEMAIL}")
find_package(Git QUIET)
if(GIT_FOUND)
    if(NOT maintainer_name)
        execute_process(COMMAND ${GIT_EXECUTABLE} config user.name WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE maintainer_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT maintainer_email)
        execute_process(COMMAND ${GIT_EXECUTABLE} config user.email WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE maintainer_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(NOT maintainer_name)
    set(maintainer_name "Trevalo developers")
endif()
if(maintainer_email)
    set(maintainer_default "${maintainer_name} <${maintainer_email}>")
else()
    set(maintainer_default "${maintainer_name} <trevalo@localhost.invalid>")
endif()
set(TREVALO_PACKAGE_MAINTAINER "${maintainer_default}" CACHE STRING "The Maintainer field of the Debian package")

install(TARGETS trevalo
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

# The AppStream metainfo names the project's web page and shows the
# README's screenshots only where they really are on the web; nothing is
# made up. The screenshots come from the repository's raw files when the
# homepage is a GitHub or GitLab repository page, else from
# TREVALO_SCREENSHOT_URL; without a homepage both are left out.
set(TREVALO_HOMEPAGE "" CACHE STRING
    "The project's web page (its repository's page), named in the AppStream metainfo; empty leaves it out")
set(TREVALO_SCREENSHOT_URL "" CACHE STRING
    "The web folder that serves the files of docs/, for the metainfo's screenshots; empty: from a GitHub or GitLab TREVALO_HOMEPAGE")

# Writes the metainfo to `output`, with the web address and screenshots
# that `homepage` and `screenshot_url` (either may be empty) give.
function(trevalo_metainfo output homepage screenshot_url)
    set(web "")
    if(homepage)
        string(APPEND web "  <url type=\"homepage\">${homepage}</url>\n")
    endif()
    set(base "${screenshot_url}")
    if(NOT base AND homepage MATCHES "^https://github\\.com/([^/]+/[^/]+)/?$")
        set(base "https://raw.githubusercontent.com/${CMAKE_MATCH_1}/HEAD/docs")
    elseif(NOT base AND homepage MATCHES "^https://gitlab\\.com/(.+[^/])/?$")
        set(base "https://gitlab.com/${CMAKE_MATCH_1}/-/raw/HEAD/docs")
    endif()
    string(REGEX REPLACE "/+$" "" base "${base}")
    if(base)
        string(APPEND web "  <screenshots>\n")
        foreach(shot
                "guide-copied.png|The blocks of a session, ready to paste into PgcEdit"
                "guide-target.png|Choosing the guard register and the PGC the disc is to start in"
                "guide-imported.png|PgcEdit's registers imported, with the streams and the button they set"
                "main-window-dark.png|The window under a dark desktop palette")
            string(REPLACE "|" ";" shot "${shot}")
            list(GET shot 0 file)
            list(GET shot 1 caption)
            if(file STREQUAL "guide-copied.png")
                string(APPEND web "    <screenshot type=\"default\">\n")
            else()
                string(APPEND web "    <screenshot>\n")
            endif()
            string(APPEND web "      <caption>${caption}</caption>\n"
                "      <image>${base}/${file}</image>\n    </screenshot>\n")
        endforeach()
        string(APPEND web "  </screenshots>\n")
    endif()
    set(TREVALO_METAINFO_WEB "${web}")
    configure_file(${PROJECT_SOURCE_DIR}/data/org.trevalo.Trevalo.metainfo.xml.in ${output} @ONLY)
endfunction()

if(UNIX AND NOT APPLE)
    install(FILES data/trevalo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(TREVALO_METAINFO ${CMAKE_BINARY_DIR}/data/org.trevalo.Trevalo.metainfo.xml)
    trevalo_metainfo(${TREVALO_METAINFO} "${TREVALO_HOMEPAGE}" "${TREVALO_SCREENSHOT_URL}")
    install(FILES ${TREVALO_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # Debian's documentation: the licence, the changelog and the manual
    # page, the last two compressed as policy asks (gzip -9n, no time stamp).
    set(doc_dir ${CMAKE_BINARY_DIR}/doc)
    configure_file(data/debian/changelog.in ${doc_dir}/changelog @ONLY)
    configure_file(data/trevalo.1 ${doc_dir}/trevalo.1 COPYONLY)
    add_custom_command(OUTPUT ${doc_dir}/changelog.gz ${doc_dir}/trevalo.1.gz
        COMMAND gzip -9n -f -k ${doc_dir}/changelog ${doc_dir}/trevalo.1
        DEPENDS ${doc_dir}/changelog ${doc_dir}/trevalo.1
        COMMENT "Compressing the changelog and the manual page")
    add_custom_target(trevalo_docs ALL DEPENDS ${doc_dir}/changelog.gz ${doc_dir}/trevalo.1.gz)
    install(FILES data/debian/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trevalo)
    install(FILES ${doc_dir}/trevalo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES data/icons/trevalo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The PNG sizes are rendered from the window icon's own drawing by a
    # small tool run at build time, so they match what the window shows.
    set(TREVALO_ICON_SIZES 16 24 32 48 64 128 256)
    set(TREVALO_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
    add_executable(trevalo_render_icons data/icons/RenderIcons.cpp)
    target_link_libraries(trevalo_render_icons PRIVATE trevalo_qt)

    set(icon_files "")
    foreach(size IN LISTS TREVALO_ICON_SIZES)
        list(APPEND icon_files ${TREVALO_ICON_DIR}/${size}x${size}/apps/trevalo.png)
    endforeach()
    add_custom_command(OUTPUT ${icon_files}
        COMMAND trevalo_render_icons ${TREVALO_ICON_DIR} ${TREVALO_ICON_SIZES}
        DEPENDS trevalo_render_icons
        COMMENT "Rendering Trevalo's icon as PNG")
    add_custom_target(trevalo_icons ALL DEPENDS ${icon_files})

    foreach(size IN LISTS TREVALO_ICON_SIZES)
        install(FILES ${TREVALO_ICON_DIR}/${size}x${size}/apps/trevalo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()
