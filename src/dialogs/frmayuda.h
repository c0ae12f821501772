// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own help window: the pages of the help folder in a small
// browser with contents, back and forward. A page that is missing is
// replaced by a few words saying so; the game is never disturbed.

#include <QWidget>

class QTextBrowser;

class frmAyuda : public QWidget {
    Q_OBJECT
public:
    // carpeta: the folder that holds indice.html and the other pages.
    explicit frmAyuda(const QString& carpeta, QWidget* parent = nullptr);

    // Shows a page of the folder, by file name.
    void mostrarPagina(const QString& archivo);
    void mostrarContenido() { mostrarPagina(QStringLiteral("indice.html")); }

    QTextBrowser* txtAyuda() const { return txtAyuda_; }

private:
    QString carpeta_;
    QTextBrowser* txtAyuda_;
};
