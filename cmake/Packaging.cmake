# A .deb of the installed tree: `cpack` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME huecracker)
set(CPACK_PACKAGE_VENDOR "The Huecracker developers")
# Debian requires an address beside the maintainer's name and the project has none to give:
# .invalid is the top-level domain reserved never to exist (RFC 2606), so the address
# reads as none and can reach no one. data/changelog signs with the same.
set(CPACK_PACKAGE_CONTACT "The Huecracker developers <none@huecracker.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game with coloured pegs")
set(CPACK_PACKAGE_DESCRIPTION
    "Huecracker hides a secret row of eight pegs, each one of twelve colours,\n"
    "and gives the player eighteen rows to find it. Black and white clue pegs\n"
    "tell how many pegs of a guess are the right colour in the right place, and\n"
    "how many are the right colour in the wrong place. It is played with the\n"
    "mouse in a single window.")
list(JOIN CPACK_PACKAGE_DESCRIPTION "" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and C++ libraries come from dpkg-shlibdeps; the platform plugin and the
# stand-in fonts are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-comic-neue, fonts-dancingscript")
# qt6-wayland is neither recommended nor suggested: without it Qt runs the game
# through XWayland, where it opens centred under the desktop's own title bar;
# with it the compositor places the window and, on GNOME and weston, Qt draws a
# title bar of its own with a maximise button the window has no use for. The
# game plays the same either way and starts without a word on both.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
