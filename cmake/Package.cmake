# `cpack -G DEB` in the build folder: a Debian package of what cmake/Install.cmake installs,
# into /usr, the programs in /usr/games.

set(CPACK_PACKAGE_NAME virelith)
set(CPACK_PACKAGE_VENDOR "The Virelith developers")
set(CPACK_PACKAGE_CONTACT "The Virelith developers <maintainers@virelith.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card-battle game with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-player card-battle game: pick a character and fight a computer\n"
    "opponent with hands of six coloured, numbered cards. Colour and number\n"
    "decide each clash: the winner strikes or heals, and every battle counts in\n"
    "a saved record. All texts the player sees are Japanese.\n"
    "\n"
    "The package holds the game with its sample game of twelve characters and\n"
    "fifty cards, and the content authors' tools: virelith-data checks and\n"
    "converts the data files, virelith-sim plays many battles for balancing,\n"
    "virelith-render renders the music.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs go to /usr/games there.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGames.cmake)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs are linked with, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese face every window uses.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Opened when the first sound is made rather than linked (the game runs silent without them),
# a General MIDI SoundFont for the music, and Qt's Japanese button texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libsdl2-2.0-0, libfluidsynth3, timgm6mb-soundfont | sf2-soundfont-gm, qt6-translations-l10n")

include(CPack)
