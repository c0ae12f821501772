// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/frmayuda.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A browser that answers a missing page with an explanation instead of a
// blank screen.
class PaginasAyuda : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int tipo, const QUrl& nombre) override
    {
        QVariant recurso = QTextBrowser::loadResource(tipo, nombre);
        if (tipo == QTextDocument::HtmlResource && recurso.toByteArray().isEmpty() &&
            recurso.toString().isEmpty())
            return paginaQueFalta(nombre);
        return recurso;
    }

private:
    static QString paginaQueFalta(const QUrl& nombre)
    {
        const QFileInfo pagina(nombre.toLocalFile());
        return QStringLiteral(
                   "<h2>Esta página de ayuda no está disponible</h2>"
                   "<p>No se encuentra el archivo <b>%1</b> en la carpeta <b>%2</b>.</p>"
                   "<p>Las páginas de ayuda se instalan junto con el programa, en su carpeta "
                   "<b>ayuda</b>. Si faltan, vuelva a instalar Zumbarta para recuperarlas.</p>"
                   "<p>El juego sigue funcionando con normalidad: puede cerrar esta ventana "
                   "y seguir jugando.</p>")
            .arg(pagina.fileName().toHtmlEscaped(),
                 QDir::toNativeSeparators(pagina.absolutePath()).toHtmlEscaped());
    }
};

QPushButton* boton(const char* nombre, const QString& texto)
{
    auto* b = new QPushButton(texto);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

frmAyuda::frmAyuda(const QString& carpeta, QWidget* parent)
    : QWidget(parent, Qt::Window), carpeta_(carpeta), txtAyuda_(new PaginasAyuda)
{
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de Zumbarta"));
    resize(760, 600);

    txtAyuda_->setObjectName(QStringLiteral("txtAyuda"));
    // Links that leave the help folder belong in the system's browser.
    txtAyuda_->setOpenExternalLinks(true);

    auto* cmdContenido = boton("cmdContenido", QStringLiteral("&Contenido"));
    auto* cmdAtras = boton("cmdAtras", QStringLiteral("< &Atrás"));
    auto* cmdAdelante = boton("cmdAdelante", QStringLiteral("A&delante >"));
    auto* cmdCerrar = boton("cmdCerrar", QStringLiteral("C&errar"));
    cmdAtras->setEnabled(false);
    cmdAdelante->setEnabled(false);
    connect(cmdContenido, &QPushButton::clicked, this, &frmAyuda::mostrarContenido);
    connect(cmdAtras, &QPushButton::clicked, txtAyuda_, &QTextBrowser::backward);
    connect(cmdAdelante, &QPushButton::clicked, txtAyuda_, &QTextBrowser::forward);
    connect(cmdCerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(txtAyuda_, &QTextBrowser::backwardAvailable, cmdAtras, &QWidget::setEnabled);
    connect(txtAyuda_, &QTextBrowser::forwardAvailable, cmdAdelante, &QWidget::setEnabled);

    auto* barra = new QHBoxLayout;
    barra->addWidget(cmdContenido);
    barra->addWidget(cmdAtras);
    barra->addWidget(cmdAdelante);
    barra->addStretch();
    barra->addWidget(cmdCerrar);

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(barra);
    columna->addWidget(txtAyuda_);

    mostrarContenido();
}

void frmAyuda::mostrarPagina(const QString& archivo)
{
    txtAyuda_->setSource(QUrl::fromLocalFile(QDir(carpeta_).absoluteFilePath(archivo)));
}
