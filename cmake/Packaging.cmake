# Desktop integration and the Debian package of the program.
#
# `cmake --install` puts, below the install prefix:
#   bin/quorvane                                    (app/CMakeLists.txt)
#   share/applications/quorvane.desktop
#   share/icons/hicolor/scalable/apps/quorvane.svg
#   share/icons/hicolor/48x48/apps/quorvane.png
#   share/icons/hicolor/256x256/apps/quorvane.png
# and `cpack -G DEB` in the build directory makes quorvane_<version>_<arch>.deb of them.
# The package takes the install component quorvane_package alone, so what other folders
# install (the simulator of tools/, for one) stays out of it; the program is therefore
# named a second time here, in that component, to the same place.
#
# The icon's one source is resources/icons/quorvane.svg. The PNGs are rendered from it at
# build time with rsvg-convert (Debian package librsvg2-bin). The Windows icon
# resources/icons/quorvane.ico is committed, since the Windows build has no SVG renderer;
# after a change to the SVG, regenerate it from the source tree with rsvg-convert and
# ImageMagick's convert:
#   for s in 16 32 48 256; do rsvg-convert -w $s -h $s resources/icons/quorvane.svg -o /tmp/quorvane-$s.png; done
#   convert /tmp/quorvane-16.png /tmp/quorvane-32.png /tmp/quorvane-48.png /tmp/quorvane-256.png -strip resources/icons/quorvane.ico

include(GNUInstallDirs)

set(quorvane_icon_svg ${PROJECT_SOURCE_DIR}/resources/icons/quorvane.svg)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT quorvane_package)

if(UNIX AND NOT APPLE)
    find_program(QUORVANE_RSVG_CONVERT rsvg-convert)
    if(NOT QUORVANE_RSVG_CONVERT)
        message(FATAL_ERROR
            "rsvg-convert renders the program's icons; install it (Debian: apt-get install librsvg2-bin)")
    endif()

    set(quorvane_icon_pngs)
    foreach(size 48 256)
        set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/quorvane.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${QUORVANE_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${quorvane_icon_svg}
            DEPENDS ${quorvane_icon_svg}
            COMMENT "Rendering the ${size}x${size} program icon"
            VERBATIM)
        list(APPEND quorvane_icon_pngs ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT quorvane_package)
    endforeach()
    add_custom_target(quorvane_icons ALL DEPENDS ${quorvane_icon_pngs})

    install(FILES ${quorvane_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        COMPONENT quorvane_package)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/quorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT quorvane_package)
endif()

set(QUORVANE_MAINTAINER "Quorvane maintainers <maintainers@users.noreply.c-seed-ba07c050.example>"
    CACHE STRING "Maintainer named in the packages")

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programs the MMSI and ship data of a marine AIS unit over a serial port")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quorvane)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};quorvane_package;/")

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
else()
    set(CPACK_GENERATOR ZIP)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"A single-window tool that connects to an AIS unit on a serial port, usually a
USB virtual COM port, sets the unit up and reads back what it holds: the MMSI,
call sign, ship name, GNSS antenna position and ship type. It writes the MMSI
once and the static and voyage data as often as needed.")
# dpkg-shlibdeps adds the libraries the binary links, with their least versions: libc6,
# libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, libqt6serialport6.
# What is loaded at run time is named here: the Qt platform plugins, the font for the
# Japanese messages and the Tahoma-metric window font of Wine (app/Form1Fonts.cpp).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-noto-cjk, fonts-wine")

include(CPack)
