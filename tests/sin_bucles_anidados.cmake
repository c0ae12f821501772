# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# Only main runs an event loop: inside a handler's own, timers and sockets would run out of turn.
file(GLOB_RECURSE fuentes ${FUENTES}/*.cpp ${FUENTES}/*.h)
set(bucle "QEventLoop|processEvents|[^A-Za-z0-9_]exec[ \t]*\\(|QMessageBox::(information|warning|critical|question|about)[ \t]*\\(|Dialog::get[A-Za-z]+[ \t]*\\(")
set(hallados "")
foreach(f IN LISTS fuentes)
  if(f STREQUAL "${FUENTES}/mainwindow/main.cpp")
    continue()
  endif()
  file(READ ${f} texto)
  # What a comment says runs nothing.
  string(REGEX REPLACE "//[^\n]*" "" texto "\n${texto}")
  string(REGEX MATCHALL "${bucle}" usos "${texto}")
  if(usos)
    file(RELATIVE_PATH r ${FUENTES} ${f})
    string(APPEND hallados "  ${r}: ${usos}\n")
  endif()
endforeach()
if(hallados)
  message(FATAL_ERROR "event loops outside main:\n${hallados}")
endif()
list(LENGTH fuentes n)
message(STATUS "${n} files, no event loop but main's")
