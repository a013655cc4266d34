# Installation where a desktop finds the program, and a Debian package of the same files:
#   <prefix>/bin/possidoria, possidoria-sentenza (the command-line judge)
#   <prefix>/share/possidoria/SuggerimentiPossidoria.TXT, Internet.mid, esempi/ (the example cases)
#   <prefix>/share/applications/possidoria.desktop
#   <prefix>/share/icons/hicolor/scalable/apps/possidoria.svg
include(GNUInstallDirs)

set(POSSIDORIA_CARTELLA_DATI ${CMAKE_INSTALL_DATADIR}/possidoria)
# The program finds its files from its own folder, wherever the prefix puts both.
file(RELATIVE_PATH _dati_relativi /prefisso/${CMAKE_INSTALL_BINDIR} /prefisso/${POSSIDORIA_CARTELLA_DATI})
target_compile_definitions(pos_app PRIVATE POSSIDORIA_DATI_RELATIVI="${_dati_relativi}")

install(TARGETS possidoria possidoria-sentenza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/SuggerimentiPossidoria.TXT ${CMAKE_BINARY_DIR}/Internet.mid
        DESTINATION ${POSSIDORIA_CARTELLA_DATI})
file(GLOB _esempi_installati ${CMAKE_SOURCE_DIR}/resources/esempi/Possidoria-dati-*)
install(FILES ${_esempi_installati} DESTINATION ${POSSIDORIA_CARTELLA_DATI}/esempi)
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/possidoria.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# An install into a scratch prefix holds every file, and the desktop entry is valid.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
add_test(NAME tst_installazione
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPREFISSO=${CMAKE_BINARY_DIR}/prova-installazione
                 -DVALIDA=${DESKTOP_FILE_VALIDATE} -DBINDIR=${CMAKE_INSTALL_BINDIR}
                 -DDATADIR=${CMAKE_INSTALL_DATADIR} -P ${CMAKE_SOURCE_DIR}/tests/installazione.cmake)

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
# What the libraries do not name: the screen plugins, Qt's Italian texts, the program's font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
# The tune's libraries are loaded at run time (the splash is silent without them), so the
# library scan cannot see them: they are recommended by name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, libreoffice-writer | abiword, libfluidsynth3, libasound2, timgm6mb-soundfont | fluid-soundfont-gm")
include(CPack)
