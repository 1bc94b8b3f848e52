# The Debian package (cpack -G DEB, or scripts/package.sh): what it depends on besides the
# libraries the programs link (found by dpkg-shlibdeps), and who maintains it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorbix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure and watch radio remote-control receivers")
set(CPACK_PACKAGE_DESCRIPTION "Vorbix talks to a radio remote-control receiver over a serial port or a
network gateway: it downloads and uploads the receiver's record memory,
listens to it in on-line mode, keeps history and low-battery lists, and runs
a monitor mode with operator messages. Tables can be exported and printed.

The package also holds vorbixctl, which does the same from scripts, and
vorbix-rxsim, a simulated receiver for trying it without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The window needs Qt's display plug-ins, the printouts a font with the metrics of Times New Roman,
# and sound a multimedia back end; none of them is a library the programs link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-liberation, gstreamer1.0-plugins-base")
# Qt's own dialogs and buttons speak the language in force where its translations are there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, pipewire-pulse | pulseaudio, qt6-translations-l10n")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORBIX_MAINTAINER}")
include(CPack)
