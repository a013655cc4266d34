# Installs the build into a scratch prefix and checks what a desktop needs from it.
file(REMOVE_RECURSE ${PREFISSO})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFISSO}
                RESULT_VARIABLE esito OUTPUT_QUIET)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cmake --install non riuscito (${esito})")
endif()
set(desktop ${PREFISSO}/${DATADIR}/applications/possidoria.desktop)
set(mime ${PREFISSO}/${DATADIR}/mime/packages/possidoria.xml)
set(metainfo ${PREFISSO}/${DATADIR}/metainfo/org.example.possidoria.metainfo.xml)
foreach(f ${BINDIR}/possidoria ${BINDIR}/possidoria-sentenza ${MODULI}/libpossidoria-stampa.so ${MODULI}/libpossidoria-disegno.so ${DATADIR}/possidoria/SuggerimentiPossidoria.TXT
          ${DATADIR}/possidoria/Internet.mid ${DATADIR}/applications/possidoria.desktop
          ${DATADIR}/icons/hicolor/scalable/apps/possidoria.svg ${DATADIR}/mime/packages/possidoria.xml
          ${DATADIR}/metainfo/org.example.possidoria.metainfo.xml ${MANDIR}/man1/possidoria.1.gz
          ${MANDIR}/man1/possidoria-sentenza.1.gz ${DATADIR}/doc/possidoria/copyright
          ${DATADIR}/doc/possidoria/changelog.gz)
  if(NOT EXISTS ${PREFISSO}/${f})
    message(FATAL_ERROR "manca ${f}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFISSO}/${BINDIR}/possidoria RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "il programma installato non è eseguibile")
endif()
# The installed judge finds its drawing module in the installed library folder.
file(GLOB esempi_installati ${PREFISSO}/${DATADIR}/possidoria/esempi/Possidoria-dati-esempio-*)
list(GET esempi_installati 0 esempio_installato)
execute_process(COMMAND ${PREFISSO}/${BINDIR}/possidoria-sentenza --timeline ${PREFISSO}/linea.png ${esempio_installato}
                RESULT_VARIABLE esito OUTPUT_QUIET ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0 OR NOT EXISTS ${PREFISSO}/linea.png)
  message(FATAL_ERROR "il giudice installato non disegna (${esito}):\n${uscita}")
endif()
# The entry starts the installed program by name with the chosen files, shows the installed icon
# and declares the type of the case archives.
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icona REGEX "^Icon=")
file(STRINGS ${desktop} tipi REGEX "^MimeType=")
if(NOT exec STREQUAL "Exec=possidoria %F" OR NOT icona STREQUAL "Icon=possidoria"
   OR NOT tipi MATCHES "^MimeType=application/x-possidoria-causa[\\]?;$")
  message(FATAL_ERROR "voce del desktop: ${exec} ${icona} ${tipi}")
endif()
if(NOT VALIDA)
  message(FATAL_ERROR "desktop-file-validate assente: apt-get install desktop-file-utils")
endif()
execute_process(COMMAND ${VALIDA} ${desktop} RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0 OR NOT uscita STREQUAL "")
  message(FATAL_ERROR "voce del desktop non valida:\n${uscita}")
endif()

# The type: well-formed, accepted by update-mime-database (which the install ran: the prefix's
# database is built), and it names what the archives are, by name and by content alone.
foreach(strumento XMLLINT APPSTREAMCLI GIO)
  if(NOT ${strumento})
    message(FATAL_ERROR "${strumento} assente: apt-get install libxml2-utils appstream libglib2.0-bin")
  endif()
endforeach()
execute_process(COMMAND ${XMLLINT} --noout ${mime} ${metainfo} RESULT_VARIABLE esito ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "XML non valido:\n${uscita}")
endif()
if(NOT EXISTS ${PREFISSO}/${DATADIR}/mime/mime.cache)
  message(FATAL_ERROR "il tipo degli archivi non è stato registrato (manca mime/mime.cache)")
endif()
set(prove ${PREFISSO}/prove-tipo)
file(MAKE_DIRECTORY ${prove})
file(GLOB esempi ${SORGENTI}/resources/esempi/Possidoria-dati-esempio-*)
list(GET esempi 0 esempio)
file(COPY_FILE ${esempio} ${prove}/Possidoria-dati-Rossi)
file(COPY_FILE ${esempio} ${prove}/causa-senza-nome)
file(WRITE ${prove}/appunti.txt "appunti sulla causa\n")
foreach(caso "Possidoria-dati-Rossi=application/x-possidoria-causa" "causa-senza-nome=application/x-possidoria-causa"
             "appunti.txt=text/plain")
  string(REPLACE "=" ";" caso "${caso}")
  list(GET caso 0 nome)
  list(GET caso 1 atteso)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFISSO}/${DATADIR}:/usr/share XDG_DATA_HOME=${prove}
                          ${GIO} info -a standard::content-type ${prove}/${nome}
                  OUTPUT_VARIABLE uscita RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0 OR NOT uscita MATCHES "content-type: ${atteso}\n")
    message(FATAL_ERROR "${nome}: atteso ${atteso}, trovato:\n${uscita}")
  endif()
endforeach()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --pedantic ${PREFISSO}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "metadati AppStream non validi:\n${uscita}")
endif()

file(REMOVE_RECURSE ${PREFISSO})
message(STATUS "installazione completa; voce del desktop, tipo degli archivi e metadati validi")
