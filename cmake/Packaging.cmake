# What `cmake --install` puts in place, and the Debian package CPack makes of it:
#   cmake --install build --prefix /usr/local
#   (cd build && cpack -G DEB)
include(GNUInstallDirs)

set(VELLO_APP_ID org.pembavello.PembaVello)
if(VELLO_BUILD_GUI)
  add_dependencies(pemba-vello vello_app_icons)
  # The player, and the catalog publisher for deployments (deploy/README.md).
  install(TARGETS pemba-vello pemba-vello-catalog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/deploy/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/pemba-vello/deploy)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VELLO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VELLO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${VELLO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY ${VELLO_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  # The licence of the player and of the libraries it links, where Debian looks for it.
  install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/pemba-vello)
endif()

set(CPACK_PACKAGE_NAME pemba-vello)
set(CPACK_PACKAGE_VENDOR "The Pemba Vello developers")
set(CPACK_PACKAGE_CONTACT "The Pemba Vello developers <developers@pembavello.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Internet radio player, most popular stations first")
set(CPACK_PACKAGE_DESCRIPTION "Plays internet radio stations from a catalog of tens of thousands, with search, favourites, recently played stations, media keys and the desktop's media controls.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pembavello.org/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the binaries link (GUPnP and GUPnP-AV for casting to speakers on the network),
# the plugins Qt loads at run time, the GStreamer elements the streams need, and fonts for every
# script and emoji in station names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6network6 (>= 6.4), libqt6dbus6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, \
qt6-image-formats-plugins, libsimdjson14, libicu72, zlib1g, libgstreamer1.0-0 (>= 1.22), \
libgstreamer-plugins-base1.0-0 (>= 1.22), libgupnp-1.6-0, libgupnp-av-1.0-3, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, \
gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-pulseaudio, \
fonts-noto-core, fonts-noto-cjk, fonts-noto-color-emoji")
include(CPack)
