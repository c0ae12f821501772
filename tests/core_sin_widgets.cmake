# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when the core library links Qt Widgets or uses any widget class.
foreach(enlace IN LISTS ENLACES)
  if(enlace MATCHES "Widgets|Gui|Multimedia")
    message(FATAL_ERROR "zumbarta_core links ${enlace}")
  endif()
endforeach()

execute_process(COMMAND ${NM} -C -u ${BIBLIOTECA}
                OUTPUT_VARIABLE simbolos RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${BIBLIOTECA}")
endif()
string(REGEX MATCHALL "[^\n]*(QWidget|QApplication|QDialog|QMessageBox|QGuiApplication)[^\n]*" usados "${simbolos}")
if(usados)
  message(FATAL_ERROR "zumbarta_core uses widget symbols:\n${usados}")
endif()
message(STATUS "zumbarta_core: Qt Core and Qt Network only")
