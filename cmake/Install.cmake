# What `cmake --install` puts where: the program, and on freedesktop systems
# its launcher entry, AppStream metainfo and icons in the standard places.

include(GNUInstallDirs)

install(TARGETS trevalo
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
    install(FILES data/trevalo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES data/org.trevalo.Trevalo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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
