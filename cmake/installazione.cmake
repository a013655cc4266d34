# Installation where a desktop finds the program, and a Debian package of the same files:
#   <prefix>/bin/possidoria, possidoria-sentenza (the command-line judge)
#   <prefix>/lib/<architecture>/possidoria/libpossidoria-stampa.so (the printer, loaded when the user prints)
#   <prefix>/lib/<architecture>/possidoria/libpossidoria-disegno.so (the judge's drawing, loaded for a PDF or a picture)
#   <prefix>/share/possidoria/SuggerimentiPossidoria.TXT, Internet.mid, esempi/ (the example cases)
#   <prefix>/share/applications/possidoria.desktop
#   <prefix>/share/icons/hicolor/scalable/apps/possidoria.svg
#   <prefix>/share/mime/packages/possidoria.xml (the type of the case archives)
#   <prefix>/share/metainfo/org.example.possidoria.metainfo.xml (AppStream, resources/possidoria.metainfo.xml)
#   <prefix>/share/man/man1/possidoria.1.gz, possidoria-sentenza.1.gz
#   <prefix>/share/doc/possidoria/copyright, changelog.gz
include(GNUInstallDirs)

set(POSSIDORIA_CARTELLA_DATI ${CMAKE_INSTALL_DATADIR}/possidoria)
# The program finds its files from its own folder, wherever the prefix puts both.
file(RELATIVE_PATH _dati_relativi /prefisso/${CMAKE_INSTALL_BINDIR} /prefisso/${POSSIDORIA_CARTELLA_DATI})
target_compile_definitions(pos_gui PRIVATE POSSIDORIA_DATI_RELATIVI="${_dati_relativi}")
# The print module is private to the program: a folder of its own under the architecture's libraries.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(POSSIDORIA_CARTELLA_MODULI lib/${CMAKE_LIBRARY_ARCHITECTURE}/possidoria)
else()
  set(POSSIDORIA_CARTELLA_MODULI ${CMAKE_INSTALL_LIBDIR}/possidoria)
endif()
file(RELATIVE_PATH _moduli_relativi /prefisso/${CMAKE_INSTALL_BINDIR} /prefisso/${POSSIDORIA_CARTELLA_MODULI})
target_compile_definitions(pos_platform PRIVATE POSSIDORIA_MODULI_RELATIVI="${_moduli_relativi}")
target_compile_definitions(possidoria-sentenza PRIVATE POSSIDORIA_MODULI_RELATIVI="${_moduli_relativi}")

install(TARGETS possidoria possidoria-sentenza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS possidoria-stampa possidoria-disegno LIBRARY DESTINATION ${POSSIDORIA_CARTELLA_MODULI})
install(FILES ${CMAKE_BINARY_DIR}/SuggerimentiPossidoria.TXT ${CMAKE_BINARY_DIR}/Internet.mid
        DESTINATION ${POSSIDORIA_CARTELLA_DATI})
file(GLOB _esempi_installati ${CMAKE_SOURCE_DIR}/resources/esempi/Possidoria-dati-*)
install(FILES ${_esempi_installati} DESTINATION ${POSSIDORIA_CARTELLA_DATI}/esempi)
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME possidoria.xml)
# AppStream finds the metadata by the component's id, which names the file.
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.example.possidoria.metainfo.xml)

# The manual pages carry the build's version; they and the changelog are installed compressed, as
# Debian installs them (gzip -n: no name or time in the header, the same bytes on every build).
set(_compressi)
foreach(_pagina possidoria possidoria-sentenza)
  configure_file(${CMAKE_SOURCE_DIR}/doc/${_pagina}.1.in ${CMAKE_BINARY_DIR}/man/${_pagina}.1 @ONLY)
  list(APPEND _compressi ${CMAKE_BINARY_DIR}/man/${_pagina}.1)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/pacchetto/changelog ${CMAKE_BINARY_DIR}/man/changelog COPYONLY)
list(APPEND _compressi ${CMAKE_BINARY_DIR}/man/changelog)
set(_gz)
foreach(_f ${_compressi})
  add_custom_command(OUTPUT ${_f}.gz COMMAND gzip -9nkf ${_f} DEPENDS ${_f} VERBATIM)
  list(APPEND _gz ${_f}.gz)
endforeach()
add_custom_target(documenti_installati ALL DEPENDS ${_gz})
install(FILES ${CMAKE_BINARY_DIR}/man/possidoria.1.gz ${CMAKE_BINARY_DIR}/man/possidoria-sentenza.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/pacchetto/copyright ${CMAKE_BINARY_DIR}/man/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/possidoria)

# Installed straight onto a system, the desktop learns the new type and what opens it. A package
# leaves this to dpkg's triggers of shared-mime-info and desktop-file-utils, and ships no cache.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "" AND NOT CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/")
    find_program(_aggiorna_mime update-mime-database)
    find_program(_aggiorna_desktop update-desktop-database)
    if(_aggiorna_mime)
      execute_process(COMMAND ${_aggiorna_mime} "${CMAKE_INSTALL_PREFIX}/share/mime" OUTPUT_QUIET)
    endif()
    if(_aggiorna_desktop)
      execute_process(COMMAND ${_aggiorna_desktop} -q "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])

# An install into a scratch prefix holds every file; the desktop entry, the type of the archives
# and the AppStream metadata are valid, and the type is registered and recognised.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(XMLLINT xmllint)
find_program(APPSTREAMCLI appstreamcli)
find_program(GIO gio)
add_test(NAME tst_installazione
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPREFISSO=${CMAKE_BINARY_DIR}/prova-installazione
                 -DVALIDA=${DESKTOP_FILE_VALIDATE} -DXMLLINT=${XMLLINT} -DAPPSTREAMCLI=${APPSTREAMCLI} -DGIO=${GIO}
                 -DSORGENTI=${CMAKE_SOURCE_DIR} -DBINDIR=${CMAKE_INSTALL_BINDIR} -DMODULI=${POSSIDORIA_CARTELLA_MODULI}
                 -DDATADIR=${CMAKE_INSTALL_DATADIR} -DMANDIR=${CMAKE_INSTALL_MANDIR}
                 -P ${CMAKE_SOURCE_DIR}/tests/installazione.cmake)

# cpack --config build/CPackConfig.cmake: a Debian package that installs under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME possidoria)
set(CPACK_PACKAGE_VENDOR "Possidoria")
set(CPACK_PACKAGE_CONTACT "Sviluppatori di Possidoria <possidoria@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "causa elettronica con sentenza sull'usucapione")
set(CPACK_PACKAGE_DESCRIPTION "Programma in italiano sull'usucapione (artt. 1140-1170 del Codice Civile):
l'utente espone i fatti di una causa civile e ottiene la sentenza che le norme
danno, con un commento per l'attore; consulta gli articoli e le massime.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not name: Qt's Italian texts and the program's font. The X11 and offscreen
# screen plugins come with libqt6gui6, which the library scan names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
# Wayland's screen plugin, without which Qt falls back to XWayland with a warning; the tune's
# libraries, loaded at run time (the splash is silent without them), which the library scan
# cannot see; the programs that open the exported documents.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, xdg-utils, libreoffice-writer | abiword, libfluidsynth3, libasound2, timgm6mb-soundfont | fluid-soundfont-gm")
include(CPack)
