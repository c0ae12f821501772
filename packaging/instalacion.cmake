# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing the game the way a desktop expects it. The program lives in
# bin/, its files in share/zumbarta/; the menu entry, the AppStream metadata
# and the icon share one application ID.

include(GNUInstallDirs)

set(ZUMBARTA_ID io.github.zumbarta.Zumbarta)
set(ZUMBARTA_DATOS_INSTALADOS ${CMAKE_INSTALL_DATADIR}/zumbarta)

# A release is written down once, as the newest entry of the package's
# changelog; the package's version and AppStream's release date come from
# there. The version is "2.01 c" as the title bar shows it, without the space
# that neither Debian nor AppStream versions allow; both compare it below
# 2.01d and 2.02.
set(ZUMBARTA_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZUMBARTA_CHANGELOG})
file(STRINGS ${ZUMBARTA_CHANGELOG} entradas REGEX "^zumbarta \\(")
file(STRINGS ${ZUMBARTA_CHANGELOG} firmas REGEX "^ -- ")
list(GET entradas 0 entrada)
list(GET firmas 0 firma)
string(REGEX MATCH "^zumbarta \\(([^)]+)\\)" entrada "${entrada}")
set(ZUMBARTA_VERSION_PAQUETE ${CMAKE_MATCH_1})
# The signature's date as Debian writes it: "  Sun, 06 Dec 2026 17:30:00 +0000".
string(REGEX MATCH ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " firma "${firma}")
set(dia ${CMAKE_MATCH_1})
set(anio ${CMAKE_MATCH_3})
set(meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND meses "${CMAKE_MATCH_2}" mes)
if(NOT ZUMBARTA_VERSION_PAQUETE OR mes LESS 0)
  message(FATAL_ERROR "${ZUMBARTA_CHANGELOG}: no version or date in its newest entry")
endif()
# Day and month with two digits each, as ISO 8601 wants them.
math(EXPR mes "${mes} + 101")
string(SUBSTRING ${mes} 1 2 mes)
string(REGEX MATCH "..$" dia "0${dia}")
set(ZUMBARTA_FECHA_VERSION ${anio}-${mes}-${dia})

# The program looks for its installed files relative to its own folder, so
# the same binary works under any prefix and inside a DESTDIR.
file(RELATIVE_PATH ZUMBARTA_DATOS_DESDE_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/zumbarta)
target_compile_definitions(zumbarta_core PRIVATE ZUMBARTA_DATOS="${ZUMBARTA_DATOS_DESDE_BIN}")
target_compile_definitions(zumbarta PRIVATE ZUMBARTA_ID="${ZUMBARTA_ID}")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zumbarta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Qt comes from the system's library folders; the ../lib search path Qt's
# project setup adds would only point at /usr/lib again.
set_target_properties(zumbarta PROPERTIES INSTALL_RPATH "")

# Every sound in assets/, whatever its name, and the help pages.
file(GLOB ZUMBARTA_SONIDOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*.wav)
install(FILES ${ZUMBARTA_SONIDOS} DESTINATION ${ZUMBARTA_DATOS_INSTALADOS})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/ayuda DESTINATION ${ZUMBARTA_DATOS_INSTALADOS})

foreach(png ${ZUMBARTA_ICONOS})
  string(REGEX REPLACE ".*zumbarta-([0-9]+)\\.png$" "\\1" lado ${png})
  install(FILES ${png} RENAME ${ZUMBARTA_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icono/zumbarta.svg RENAME ${ZUMBARTA_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(ZUMBARTA_PAQUETES ${CMAKE_CURRENT_LIST_DIR})
configure_file(${ZUMBARTA_PAQUETES}/zumbarta.desktop.in ${CMAKE_BINARY_DIR}/${ZUMBARTA_ID}.desktop @ONLY)
configure_file(${ZUMBARTA_PAQUETES}/zumbarta.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${ZUMBARTA_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZUMBARTA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${ZUMBARTA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Compressed the way Debian wants it: gzip -9, no name or time stamp inside.
function(zumbarta_comprimir fuente destino)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${destino}
    COMMAND gzip -9n -c ${ZUMBARTA_PAQUETES}/${fuente} > ${CMAKE_BINARY_DIR}/${destino}
    DEPENDS ${ZUMBARTA_PAQUETES}/${fuente})
  string(MAKE_C_IDENTIFIER ${destino} objetivo)
  add_custom_target(${objetivo} ALL DEPENDS ${CMAKE_BINARY_DIR}/${destino})
endfunction()
zumbarta_comprimir(zumbarta.6 zumbarta.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/zumbarta.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

