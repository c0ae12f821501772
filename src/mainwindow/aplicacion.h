// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Program-wide set-up of the application object.

class QApplication;

// Catches SIGTERM from the first line of main on, before the slow start of
// the application object: a session that ends meanwhile still gets a tidy close.
void atraparTerm();

// Qt's own Spanish texts, the game's fonts, and a tidy close on SIGTERM.
void prepararAplicacion(QApplication& app);
