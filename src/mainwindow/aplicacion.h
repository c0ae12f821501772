#pragma once
// Program-wide set-up of the application object.

class QApplication;

// Qt's own Spanish texts, the game's fonts, and a tidy close on SIGTERM.
void prepararAplicacion(QApplication& app);
