# The installed layout beyond the two programs (src/app and src/solver install
# those), and the packages CPack makes of it.
#
# Install components:
#   game      the game, tallyfold-solve, the desktop entry, the icons, the
#             AppStream data, the README and (on Linux) the manual pages, the
#             copyright file and the changelog: everything a player needs
#   designer  the controls' Qt Designer plugin (src/designer), a developer tool
#             installed into Qt's own plugin folder; never packaged
#
#   cmake --install <build> --component game [--prefix <dir>]

# One name for the desktop entry, the icon and the AppStream data, so a
# desktop can pair the running window (QGuiApplication::desktopFileName) with
# its entry and icon.
set(TALLYFOLD_APP_ID com.tallyfold.Tallyfold)

install(FILES ${PROJECT_SOURCE_DIR}/README.md
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tallyfold
    COMPONENT game)

if(UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/${TALLYFOLD_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
        COMPONENT game)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/${TALLYFOLD_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo
        COMPONENT game)
    # Drawn at build time by tools/logogen (see resources/CMakeLists.txt).
    foreach(size IN LISTS TALLYFOLD_ICON_SIZES)
        install(FILES ${TALLYFOLD_ICON_DIR}/${size}/tallyfold.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TALLYFOLD_APP_ID}.png
            COMPONENT game)
    endforeach()

    # What Debian's policy asks of every package beside the programs: a
    # manual page for each program (both are games, so section 6), the
    # copyright notice in the machine-readable format, and the changelog.
    # The pages and the changelog are installed compressed with gzip -9n (no
    # name or time stamp in the header, so every build gives the same bytes),
    # compressed by the build (target tallyfold_docs, part of all) from the
    # texts in docs/man and packaging/.
    find_program(TALLYFOLD_GZIP gzip REQUIRED)
    set(tallyfold_docs_dir ${PROJECT_BINARY_DIR}/docs-compressed)
    file(MAKE_DIRECTORY ${tallyfold_docs_dir})
    set(tallyfold_compressed)
    foreach(text IN ITEMS docs/man/tallyfold.6 docs/man/tallyfold-solve.6 packaging/changelog)
        get_filename_component(name ${text} NAME)
        add_custom_command(OUTPUT ${tallyfold_docs_dir}/${name}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${text} ${tallyfold_docs_dir}/${name}
            COMMAND ${TALLYFOLD_GZIP} -9nf ${tallyfold_docs_dir}/${name}
            DEPENDS ${PROJECT_SOURCE_DIR}/${text}
            COMMENT "Compressing ${text}"
            VERBATIM)
        list(APPEND tallyfold_compressed ${tallyfold_docs_dir}/${name}.gz)
    endforeach()
    add_custom_target(tallyfold_docs ALL DEPENDS ${tallyfold_compressed})

    install(FILES ${tallyfold_docs_dir}/tallyfold.6.gz ${tallyfold_docs_dir}/tallyfold-solve.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        COMPONENT game)
    # The package's version has no Debian revision (1.0.0, not 1.0.0-1): it
    # is a native package, whose one changelog is changelog.gz (a package
    # made from another project's release would have changelog.Debian.gz).
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${tallyfold_docs_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tallyfold
        COMPONENT game)
endif()

get_target_property(tallyfold_qt_type Qt6::Core TYPE)
if(WIN32 AND NOT tallyfold_qt_type STREQUAL "STATIC_LIBRARY")
    # Copies the Qt libraries and plugins the game loads (the platform, style,
    # image format and multimedia plugins) beside it, through windeployqt.
    # Against a static Qt (the cross build) the game is one file already.
    qt_generate_deploy_app_script(TARGET tallyfold
        FILENAME_VARIABLE tallyfold_deploy_script
        NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${tallyfold_deploy_script} COMPONENT game)
endif()

# ---- CPack ------------------------------------------------------------------

set(CPACK_PACKAGE_NAME tallyfold)
set(CPACK_PACKAGE_VENDOR "Robin Vantor")
set(CPACK_PACKAGE_CONTACT "Robin Vantor <robin.vantor@tallyfold.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tallyfold)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)

# Only the player's component goes into a package, as one package.
set(CPACK_COMPONENTS_ALL game)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

if(WIN32)
    # A folder to unpack anywhere: bin\ holds the game with its Qt.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    # CPack makes the summary the Debian package's synopsis, the line a
    # package list shows beside the name: Debian wants a short phrase there,
    # without a leading article, which the project's description has.
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numbers game: six tiles, a target and a clock")
endif()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_PACKAGE_NAME tallyfold)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Robin Vantor <robin.vantor@tallyfold.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick six of the 24 face-down number tiles, then reach a target between 101
and 999 with +, -, x and exact division before the clock runs out; the
game's own solver then lists every answer there is. Also contains
tallyfold-solve, the same solver on the command line.")
# dpkg-shlibdeps finds the libraries the programs link. What it cannot see:
# the Qt platform plugins (the X11 one ships in libqt6gui6 itself here, the
# package holds the rest) and the face that stands in for Arial. The music
# needs no multimedia backend plugin and no GStreamer plugin: Qt 6.4 plays a
# QAudioSink straight through libpulse (a dependency of libqt6multimedia6), to
# whichever PulseAudio-speaking sound server runs; without one the game is
# silent. The player's record goes through Qt SQL's SQLite driver, a plugin
# Qt loads by name (libqt6sql6 alone has no driver): without it the game
# plays but keeps no record.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation")
# Without qt6-wayland a Wayland desktop runs the game through XWayland;
# without qt6-translations-l10n Qt's own texts (its message boxes' buttons, a
# text box's menu) stay English in a translated game.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, qt6-wayland, qt6-translations-l10n")

include(CPack)
