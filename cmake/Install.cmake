# What `cmake --install` puts into a prefix: the game and the tools on the program path, the
# sample game in an architecture-independent data folder, and what a desktop needs to offer the
# game (desktop entry, icons, AppStream metainfo, manual pages).

set(VIRELITH_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/virelith)

install(TARGETS virelith virelith-data virelith-sim virelith-render
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# From the source tree, not the build folder: a record played in the build folder stays there.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/gamedata/ DESTINATION ${VIRELITH_INSTALL_DATADIR})

set(dist ${PROJECT_SOURCE_DIR}/dist)
install(FILES ${dist}/virelith.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/virelith.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Drawn by tools/contentgen at every size the icon theme uses.
install(DIRECTORY ${dist}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${dist}/copyright DESTINATION ${VIRELITH_DOCDIR})

# Manual pages and the change log go in compressed, without a time stamp, as Debian keeps them.
find_program(GZIP gzip REQUIRED)
set(compressed)
function(virelith_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${GZIP} ${source} ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    set(compressed ${compressed} ${output} PARENT_SCOPE)
endfunction()

set(man ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${man})
foreach(page virelith.6 virelith-data.1 virelith-sim.1 virelith-render.1)
    virelith_gzip(${dist}/man/${page} ${man}/${page}.gz)
    string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${page})
    install(FILES ${man}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
virelith_gzip(${dist}/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${VIRELITH_DOCDIR})
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
