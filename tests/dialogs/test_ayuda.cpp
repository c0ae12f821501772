// The help window over the real pages: every link leads somewhere, the rules
// are there and their examples add up, and missing pages never break it.

#include "dialogs/frmayuda.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>
#include <set>

namespace {

const QString kFalta = QStringLiteral("no está disponible");

// The links of the page on show, and the anchors it offers.
void enlacesYAnclas(const QTextDocument* doc, QStringList& enlaces, QStringList& anclas)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                enlaces << f.anchorHref();
            anclas << f.anchorNames();
        }
}

}  // namespace

class TestAyuda : public QObject {
    Q_OBJECT
    QString carpeta_ = QFINDTESTDATA("../../assets/ayuda");

private slots:
    // From the contents, every page is reachable, every link lands on a
    // page that exists and on an anchor that page has, and each page has a title.
    void todosLosEnlacesLlevanAUnaPagina()
    {
        QVERIFY(!carpeta_.isEmpty());
        frmAyuda f(carpeta_);
        QTextBrowser* b = f.txtAyuda();
        std::set<QString> vistas;
        QStringList pendientes{QStringLiteral("indice.html")};
        while (!pendientes.isEmpty()) {
            const QString destino = pendientes.takeFirst();
            const QString pagina = destino.section(u'#', 0, 0);
            const QString ancla = destino.section(u'#', 1);
            f.mostrarPagina(pagina);
            QVERIFY2(!b->toPlainText().contains(kFalta), qPrintable(destino));
            QVERIFY2(!b->documentTitle().isEmpty(), qPrintable(pagina));
            QStringList enlaces, anclas;
            enlacesYAnclas(b->document(), enlaces, anclas);
            QVERIFY2(ancla.isEmpty() || anclas.contains(ancla), qPrintable(destino));
            if (!vistas.insert(pagina).second)
                continue;
            for (const QString& e : enlaces)
                pendientes << (e.startsWith(u'#') ? pagina + e : e);
        }
        const QStringList enDisco = QDir(carpeta_).entryList({QStringLiteral("*.html")});
        QCOMPARE(std::set<QString>(enDisco.begin(), enDisco.end()), vistas);
    }

    // The rules page says how a combination is made, quotes the game's own
    // notices exactly, and its worked examples are right.
    void lasReglasEstanYSusCuentasSalen()
    {
        frmAyuda f(carpeta_);
        f.mostrarPagina(QStringLiteral("reglas.html"));
        const QString texto = f.txtAyuda()->toPlainText();
        for (const char* frase : {"Se multiplican las dos primeras y al resultado se le suma o se le resta la tercera",
                                  "Continuo", "Lineal", "seis segundos", "tres minutos",
                                  "Esta ficha no es continua a la ficha anteriormente elegida",
                                  "Esta ficha no es continua (Horizontal - Vertical - Diagonal)",
                                  "No se ha seleccionado ningun jugador", "Ha finalizado el tiempo"})
            QVERIFY2(texto.contains(QString::fromUtf8(frase)), frase);

        static const QRegularExpression cuenta(QStringLiteral("(\\d) × (\\d) ([+−]) (\\d) = (\\d+)"));
        int cuentas = 0;
        for (auto m = cuenta.globalMatch(texto); m.hasNext(); ++cuentas) {
            const auto c = m.next();
            const int xy = c.captured(1).toInt() * c.captured(2).toInt();
            const int z = c.captured(4).toInt();
            QCOMPARE(c.captured(5).toInt(), c.captured(3) == QStringLiteral("+") ? xy + z : xy - z);
        }
        QVERIFY(cuentas >= 6);
    }

    void atrasYAdelante()
    {
        frmAyuda f(carpeta_);
        auto* atras = f.findChild<QPushButton*>(QStringLiteral("cmdAtras"));
        auto* adelante = f.findChild<QPushButton*>(QStringLiteral("cmdAdelante"));
        QVERIFY(!atras->isEnabled());
        f.mostrarPagina(QStringLiteral("maquina.html"));
        QVERIFY(atras->isEnabled());
        QTest::mouseClick(atras, Qt::LeftButton);
        QVERIFY(f.txtAyuda()->source().toString().endsWith(QStringLiteral("indice.html")));
        QVERIFY(adelante->isEnabled());
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdCerrar")), Qt::LeftButton);
        QVERIFY(!f.isVisible());
    }

    // A missing folder or page is explained in the window; nothing breaks
    // and the way back still works.
    void loQueFaltaSeExplica()
    {
        QTemporaryDir tmp;
        frmAyuda sinCarpeta(tmp.filePath(QStringLiteral("no-existe")));
        QVERIFY(sinCarpeta.txtAyuda()->toPlainText().contains(kFalta));
        QVERIFY(sinCarpeta.txtAyuda()->toPlainText().contains(QStringLiteral("indice.html")));

        QFile indice(tmp.filePath(QStringLiteral("indice.html")));
        QVERIFY(indice.open(QIODevice::WriteOnly));
        indice.write("<html><body><a href=\"falta.html\">Falta</a></body></html>");
        indice.close();
        frmAyuda f(tmp.path());
        QVERIFY(!f.txtAyuda()->toPlainText().contains(kFalta));
        f.mostrarPagina(QStringLiteral("falta.html"));
        QVERIFY(f.txtAyuda()->toPlainText().contains(QStringLiteral("falta.html")));
        f.txtAyuda()->backward();
        QCOMPARE(f.txtAyuda()->toPlainText(), QStringLiteral("Falta"));
    }
};

QTEST_MAIN(TestAyuda)
#include "test_ayuda.moc"
