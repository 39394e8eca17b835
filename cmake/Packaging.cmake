# The Debian package made by scripts/package: `cpack -G DEB` in a Release build tree gives
# vorlane_<version>_amd64.deb with the two programs, the desktop entry, the AppStream data and
# the icons. Depends comes from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vorlane")
set(CPACK_PACKAGE_VENDOR "Vorlane")
set(CPACK_PACKAGE_CONTACT "Vorlane developers <maintainers@vorlane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "piano chord explorer")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a root note and one of 24 chord types, optionally an inversion, and\n"
    "Vorlane writes the chord's notes, the root's major scale and the seven\n"
    "chords of that key, marks the chord on a drawn three-octave keyboard and\n"
    "plays it through a built-in General MIDI synth or a MIDI instrument. Chords\n"
    "played on a MIDI keyboard are named as they are played. Chords can be\n"
    "collected into a list and saved as a text file. English, French and Dutch.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "sound")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3 (>= 2.2)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorlane.org")
include(CPack)
