# Run by CPack once it has installed the files of the Debian package and before it packs them:
# Debian keeps the programs of a game in /usr/games. They find the data from there as from
# /usr/bin, one folder below the prefix.
set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(GLOB programs "${staging}/bin/*")
file(MAKE_DIRECTORY "${staging}/games")
foreach(program IN LISTS programs)
    get_filename_component(name "${program}" NAME)
    file(RENAME "${program}" "${staging}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${staging}/bin")
