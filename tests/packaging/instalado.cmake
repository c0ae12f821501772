# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs into a scratch DESTDIR as the package does: valid menu entry and metadata, every sound and icon,
# and the program (ARRANQUE, DATOS) starts from a foreign folder and finds its files.

function(ejecutar)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
  message("${salida}")
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "failed (${r}): ${ARGN}")
  endif()
endfunction()

set(raiz ${COMPILACION}/instalado)
set(usr ${raiz}/usr)
file(REMOVE_RECURSE ${raiz})
set(ENV{DESTDIR} ${raiz})
ejecutar(${CMAKE_COMMAND} --install ${COMPILACION} --prefix /usr)
unset(ENV{DESTDIR})

ejecutar(desktop-file-validate ${usr}/share/applications/${ID}.desktop)
ejecutar(appstreamcli validate --no-net --explain ${usr}/share/metainfo/${ID}.metainfo.xml)
# The metainfo, its desktop entry and its icon must agree with each other.
ejecutar(appstreamcli validate-tree --no-net ${raiz})

# Every sound (one added to assets/ must arrive too) and every icon size.
file(GLOB entregas ${FUENTES}/assets/*.wav ${FUENTES}/assets/icono/zumbarta-*.png)
foreach(f ${entregas})
  get_filename_component(nombre ${f} NAME)
  if(nombre MATCHES "zumbarta-([0-9]+)\\.png")
    set(esperado ${usr}/share/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps/${ID}.png)
  else()
    set(esperado ${usr}/share/zumbarta/${nombre})
  endif()
  if(NOT EXISTS ${esperado})
    message(FATAL_ERROR "${nombre} not installed as ${esperado}")
  endif()
endforeach()

file(MAKE_DIRECTORY ${raiz}/otra)
set(ENV{ZUMBARTA_PROGRAMA} ${usr}/bin/zumbarta)
execute_process(COMMAND ${ARRANQUE} WORKING_DIRECTORY ${raiz}/otra RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "the installed program did not start and close cleanly")
endif()
set(ENV{ZUMBARTA_INSTALADO} ${usr})
execute_process(COMMAND ${DATOS} TestForm1 laCarpetaDelProgramaGanaALaInstalada elJuegoInstaladoEncuentraSusArchivos WORKING_DIRECTORY ${raiz}/otra RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "the installed program does not find its files")
endif()
