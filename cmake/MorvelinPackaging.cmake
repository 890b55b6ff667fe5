# Install rules and the Debian package (CPack): the three programs, the desktop entry, the
# icons, the AppStream metadata, the man pages and the licence.
include(GNUInstallDirs)
# Installing (and so packaging) takes the tree as built: the package test must not rebuild it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(pkg ${CMAKE_SOURCE_DIR}/packaging)
set(pkg_out ${CMAKE_BINARY_DIR}/packaging)
set(MORVELIN_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS morvelin morvelin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET morvelin-unitsim)
  install(TARGETS morvelin-unitsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${pkg}/morvelin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${pkg}/morvelin.metainfo.xml.in ${pkg_out}/org.morvelin.Morvelin.metainfo.xml @ONLY)
install(FILES ${pkg_out}/org.morvelin.Morvelin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNG icons are rendered from the one drawing when rsvg-convert is there (scripts/setup
# installs it); without it only the scalable icon is installed.
install(FILES ${pkg}/icons/morvelin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(MORVELIN_RSVG rsvg-convert)
set(generated)
if(MORVELIN_RSVG)
  foreach(size ${MORVELIN_ICON_SIZES})
    set(png ${pkg_out}/icons/${size}/morvelin.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${pkg_out}/icons/${size}
      COMMAND ${MORVELIN_RSVG} -w ${size} -h ${size} -o ${png} ${pkg}/icons/morvelin.svg
      DEPENDS ${pkg}/icons/morvelin.svg VERBATIM)
    list(APPEND generated ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# Man pages and the changelog, compressed as Debian wants them (no time stamp in the archive).
foreach(page morvelin morvelin-cli morvelin-unitsim)
  configure_file(${pkg}/man/${page}.1.in ${pkg_out}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${pkg_out}/man/${page}.1.gz
    COMMAND gzip -9nf -k ${pkg_out}/man/${page}.1
    DEPENDS ${pkg_out}/man/${page}.1 VERBATIM)
  list(APPEND generated ${pkg_out}/man/${page}.1.gz)
  install(FILES ${pkg_out}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${pkg}/changelog.in ${pkg_out}/changelog @ONLY)
add_custom_command(OUTPUT ${pkg_out}/changelog.gz
  COMMAND gzip -9nf -k ${pkg_out}/changelog
  DEPENDS ${pkg_out}/changelog VERBATIM)
list(APPEND generated ${pkg_out}/changelog.gz)
add_custom_target(morvelin_packaging_data ALL DEPENDS ${generated})

set(doc ${CMAKE_INSTALL_DATADIR}/doc/morvelin)
install(FILES ${pkg}/copyright ${pkg_out}/changelog.gz DESTINATION ${doc})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/licenses/morvelin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Morvelin developers")
set(CPACK_PACKAGE_CONTACT "The Morvelin developers <maintainers@morvelin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and remote control of a karaoke audio-effect processor")
set(CPACK_PACKAGE_DESCRIPTION
  "Morvelin finds the karaoke audio-effect processor on a serial port, reads its\n"
  "whole parameter memory, shows every parameter on tabbed pages and sends each\n"
  "change at once. It draws the equaliser response of each page, recalls and saves\n"
  "the unit's modes and keeps backups of its memory. The package also holds\n"
  "morvelin-cli, the command line companion, and morvelin-unitsim, a simulated\n"
  "unit on a pseudo-terminal.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # morvelin_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://morvelin.org)
# The libraries the programs link (Qt, kissfft) become the dependencies, found by dpkg-shlibdeps
# (Debian's Qt carries its X11 and offscreen platform plugins in libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
