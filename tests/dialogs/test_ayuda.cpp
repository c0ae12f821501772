// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window over the real pages: every link leads somewhere, and a
// missing folder is explained instead of breaking anything.

#include "controles.h"
#include "dialogs/frmayuda.h"
#include "prueba.h"

#include <set>

class TestAyuda : public QObject {
    Q_OBJECT
private slots:
    // From the contents every page is reached, every link lands on a page
    // that exists and on an anchor it has, and each page has a title.
    void todosLosEnlacesLlevanAUnaPagina()
    {
        const QString carpeta = QFINDTESTDATA("../../assets/ayuda");
        frmAyuda f(carpeta);
        QTextBrowser* b = f.txtAyuda();
        std::set<QString> vistas;
        QStringList pendientes{QStringLiteral("indice.html")};
        while (!pendientes.isEmpty()) {
            const QString destino = pendientes.takeFirst(), pagina = destino.section(u'#', 0, 0), ancla = destino.section(u'#', 1);
            f.mostrarPagina(pagina);
            QVERIFY2(!b->toPlainText().contains(QStringLiteral("no está disponible")) && !b->documentTitle().isEmpty(), qPrintable(destino));
            QStringList enlaces, anclas;
            for (QTextBlock t = b->document()->begin(); t.isValid(); t = t.next())
                for (auto it = t.begin(); !it.atEnd(); ++it)
                    enlaces << it.fragment().charFormat().anchorHref(), anclas << it.fragment().charFormat().anchorNames();
            QVERIFY2(ancla.isEmpty() || anclas.contains(ancla), qPrintable(destino));
            for (const QString& e : enlaces)
                if (!e.isEmpty() && !vistas.count(pagina))
                    pendientes << (e.startsWith(u'#') ? pagina + e : e);
            vistas.insert(pagina);
        }
        const QStringList enDisco = QDir(carpeta).entryList({QStringLiteral("*.html")});
        QCOMPARE(std::set<QString>(enDisco.begin(), enDisco.end()), vistas);
    }

    void sinCarpetaSeExplica()
    {
        frmAyuda f(QDir::temp().filePath(QStringLiteral("zumbarta-no-existe")));
        const QString texto = f.txtAyuda()->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("no está disponible")) && texto.contains(QStringLiteral("indice.html")));
    }
};

ZUMBARTA_PRUEBA(TestAyuda);
#include "test_ayuda.moc"
