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
            const QString destino = pendientes.takeFirst(), pagina = destino.section(u'#', 0, 0);
            f.mostrarPagina(pagina);
            QVERIFY2(!b->toPlainText().contains(QStringLiteral("no está disponible")), qPrintable(destino));
            QVERIFY2(!b->documentTitle().isEmpty(), qPrintable(pagina));
            QStringList enlaces, anclas;
            for (QTextBlock t = b->document()->begin(); t.isValid(); t = t.next())
                for (auto it = t.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat c = it.fragment().charFormat();
                    if (c.isAnchor() && !c.anchorHref().isEmpty())
                        enlaces << c.anchorHref();
                    anclas << c.anchorNames();
                }
            const QString ancla = destino.section(u'#', 1);
            QVERIFY2(ancla.isEmpty() || anclas.contains(ancla), qPrintable(destino));
            if (vistas.insert(pagina).second)
                for (const QString& e : enlaces)
                    pendientes << (e.startsWith(u'#') ? pagina + e : e);
        }
        const QStringList enDisco = QDir(carpeta).entryList({QStringLiteral("*.html")});
        QCOMPARE(std::set<QString>(enDisco.begin(), enDisco.end()), vistas);
    }

    void sinCarpetaSeExplica()
    {
        frmAyuda f(QDir::temp().filePath(QStringLiteral("zumbarta-no-existe")));
        QVERIFY(f.txtAyuda()->toPlainText().contains(QStringLiteral("no está disponible")));
        QVERIFY(f.txtAyuda()->toPlainText().contains(QStringLiteral("indice.html")));
    }
};

ZUMBARTA_PRUEBA(TestAyuda);
#include "test_ayuda.moc"
