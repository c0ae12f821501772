// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Temas de ayuda": on Windows the compiled help in the system's help viewer,
// when it is installed and the viewer starts; otherwise, and on every other
// system, the program's own help window. Either way the game goes on.

#include <QString>

class QWidget;
class frmAyuda;

// ruta: the program folder. The help window, once made, belongs to ventana
// and is shown again on the next call.
frmAyuda* abrirTemasDeAyuda(const QString& ruta, QWidget* ventana);
