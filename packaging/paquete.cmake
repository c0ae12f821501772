# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `make package`, or cpack in the build folder.

zumbarta_comprimir(changelog changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${ZUMBARTA_PAQUETES}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zumbarta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zumbarta)
set(CPACK_PACKAGE_VERSION ${ZUMBARTA_VERSION_PAQUETE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "juego de cálculo mental para varios jugadores")
set(CPACK_PACKAGE_DESCRIPTION
  "Zumbarta es un juego de cálculo mental para dos a seis jugadores alrededor de
un tablero de 7 × 7 fichas con dígitos. Quien gana el turno elige tres fichas
vecinas: las dos primeras multiplicadas, más o menos la tercera, deben dar el
número objetivo de la ronda. La máquina puede ocupar asientos con cuatro
niveles de juego, y se puede jugar en un solo ordenador o en una red local.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${ZUMBARTA_VERSION_PAQUETE})
# Debian keeps section "games" for programs in /usr/games; ours lives in bin/
# like the other arithmetic trainers filed under education.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zumbarta.github.io/)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zumbarta maintainers <maintainers@users.noreply.c-seed-bd417686.example>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: Qt's Spanish texts,
# without which the standard buttons read "OK" and "Cancel", and the game's
# geometric typeface (URW Gothic). The player table is drawn for its widths:
# in DejaVu Sans, all a bare system may have, "Partidas" and long names are
# cut off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-urw-base35")
# Native windows on a Wayland desktop (without it Qt falls back to X11
# through XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
