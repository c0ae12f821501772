// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/form1.h"

#include "dialogs/sololinea.h"
#include "game/juego.h"
#include "game/tablero.h"
#include "mainwindow/figuras.h"
#include "mainwindow/lienzo.h"
#include "net/asientos.h"
#include "net/chat.h"
#include "net/cierre.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString nombreIndexado(const char* nombre, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nombre)).arg(i);
}

QLabel* etiqueta(const QString& objeto, const QString& texto, Qt::Alignment alin = Qt::AlignCenter)
{
    auto* l = new QLabel(texto);
    l->setObjectName(objeto);
    l->setAlignment(alin);
    return l;
}

}  // namespace

Form1::Form1(Juego& j, QWidget* parent) : QMainWindow(parent), j_(j)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zumbarta 2.01 c"));

    lienzo_ = new Lienzo;
    setCentralWidget(lienzo_);

    construirTablero();
    construirTabla();
    construirControles();
    construirMenus();

    auto* barra = new QStatusBar;
    barra->setObjectName(QStringLiteral("barra"));
    barra_ = new QLabel;
    barra_->setObjectName(QStringLiteral("barra(1)"));
    barra->addWidget(barra_, 1);
    setStatusBar(barra);

    connect(&j_, &Juego::cambiado, this, &Form1::mostrar);
    conectarPartida();
    mostrar();
}

void Form1::construirTablero()
{
    for (int k = 1; k <= kFichas; ++k) {
        const int izq = 240 + 840 * (tablero::columna(k) - 1);
        const int arriba = 840 * (tablero::fila(k) - 1);

        auto* figura = new FiguraFicha;
        figura->setObjectName(nombreIndexado("fichaCU", k));
        lienzo_->colocar(figura, QRect(izq, 240 + arriba, 600, 735));
        fichaCU_[k] = figura;

        auto* v = new EtiquetaClic;
        v->setObjectName(nombreIndexado("Valor", k));
        v->setAlignment(Qt::AlignCenter);
        v->setCursor(Qt::PointingHandCursor);
        // The mouse takes over from the keyboard: its frame goes away.
        v->alPulsar = [this, k] {
            enfocar(0);
            emit fichaPulsada(k);
        };
        lienzo_->colocar(v, QRect(izq, 285 + arriba, 600, 615), 26.25);
        valor_[k] = v;
    }
    marco_ = new MarcoFoco;
    marco_->setObjectName(QStringLiteral("marco"));
    lienzo_->colocar(marco_, QRect());
    marco_->hide();

    auto* shape1 = new Circulo;
    shape1->setObjectName(QStringLiteral("Shape1"));
    lienzo_->colocar(shape1, QRect(7920, 3840, 975, 855));
    fichaRE_ = etiqueta(QStringLiteral("fichaRE"), QString());
    lienzo_->colocar(fichaRE_, QRect(8040, 3960, 735, 615), 26.25);
}

void Form1::construirTabla()
{
    lienzo_->colocar(etiqueta(QStringLiteral("Label1"), QStringLiteral("Jugadores")), QRect(6240, 720, 2175, 360), 12);
    lienzo_->colocar(etiqueta(QStringLiteral("Label2"), QStringLiteral("Fichas")), QRect(8460, 720, 1020, 360), 12);
    lienzo_->colocar(etiqueta(QStringLiteral("Label4"), QStringLiteral("Partidas")), QRect(9480, 720, 960, 360), 12);

    for (int s = 1; s <= kMaxJugadores; ++s) {
        const int arriba = 1080 + 360 * (s - 1);
        jugadores_[s] = etiqueta(nombreIndexado("Jugadores", s), QString(), Qt::AlignLeft | Qt::AlignVCenter);
        jugadores_[s]->setAutoFillBackground(true);
        lienzo_->colocar(jugadores_[s], QRect(6255, arriba + 15, 2190, 330), 12);
        fichas_[s] = etiqueta(nombreIndexado("Fichas", s), QStringLiteral("0"));
        lienzo_->colocar(fichas_[s], QRect(8520, arriba, 735, 360), 12);
        partidas_[s] = etiqueta(nombreIndexado("Partidas", s), QStringLiteral("0"));
        lienzo_->colocar(partidas_[s], QRect(9600, arriba, 735, 360), 12);
    }
}

void Form1::construirControles()
{
    label3_ = etiqueta(QStringLiteral("Label3"), QString(), Qt::AlignRight | Qt::AlignVCenter);
    label3_->setWordWrap(true);
    lienzo_->colocar(label3_, QRect(6360, 5760, 2520, 735), 12);
    relog_ = etiqueta(QStringLiteral("relog"), QString());
    lienzo_->colocar(relog_, QRect(9000, 5940, 1275, 375), 15.75);

    command1_ = new QPushButton;
    command1_->setObjectName(QStringLiteral("Command1"));
    lienzo_->colocar(command1_, QRect(7920, 4920, 975, 615), 10);

    txtDialog_ = new QPlainTextEdit;
    txtDialog_->setObjectName(QStringLiteral("txtDialog"));
    txtDialog_->setReadOnly(true);
    lienzo_->colocar(txtDialog_, QRect(240, 6120, 5655, 855), 9, false);
    txtMessage_ = new QLineEdit;
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setMaxLength(kLargoLineaChat);
    txtMessage_->setValidator(new SoloLinea(txtMessage_));
    lienzo_->colocar(txtMessage_, QRect(240, 7080, 5655, 360), 9, false);
    cmdSend_ = new QPushButton(QStringLiteral("Enviar"));
    cmdSend_->setObjectName(QStringLiteral("cmdSend"));
    lienzo_->colocar(cmdSend_, QRect(6120, 7080, 1095, 375), 9, false);

    auto* credito = etiqueta(QStringLiteral("Label5"), QStringLiteral("C\u00e1lculo mental para toda la mesa"),
                             Qt::AlignRight | Qt::AlignVCenter);
    // Two short lines fit beside "Enviar" where one long one was cut off.
    credito->setWordWrap(true);
    lienzo_->colocar(credito, QRect(7320, 7060, 3120, 480), 7.5, false);
}

void Form1::mostrar()
{
    const Estado& e = j_.e;
    for (int k = 1; k <= kFichas; ++k) {
        fichaCU_[k]->pintar(e.fichaCU[k].fondo, e.fichaCU[k].borde, e.fichaCU[k].marca);
        if (valor_[k]->text() != e.Valor[k])
            valor_[k]->setText(e.Valor[k]);
    }
    fichaRE_->setText(e.fichaRE);

    for (int s = 1; s <= kMaxJugadores; ++s) {
        jugadores_[s]->setText(e.Jugadores[s].texto);
        jugadores_[s]->setVisible(e.Jugadores[s].visible);
        QPalette p = jugadores_[s]->palette();
        p.setColor(QPalette::Window, e.Jugadores[s].opaca ? QColor(0xFF, 0xE0, 0x70) : QColor(Qt::transparent));
        jugadores_[s]->setPalette(p);
        fichas_[s]->setText(e.Fichas[s].texto);
        fichas_[s]->setVisible(e.Fichas[s].visible);
        partidas_[s]->setText(e.Partidas[s].texto);
        partidas_[s]->setVisible(e.Partidas[s].visible);
        // A seat whose player is away is greyed until the player is back.
        for (QLabel* l : {jugadores_[s], fichas_[s], partidas_[s]})
            l->setEnabled(!e.ausente[s]);
    }

    label3_->setText(e.Label3.texto);
    label3_->setVisible(e.Label3.visible);
    relog_->setText(e.relog.texto);
    relog_->setVisible(e.relog.visible);

    command1_->setText(e.Command1.texto);
    command1_->setVisible(e.Command1.visible);
    command1_->setEnabled(e.Command1.habilitado);

    txtDialog_->setEnabled(e.chatHabilitado);
    txtMessage_->setEnabled(e.chatHabilitado);
    cmdSend_->setEnabled(e.chatHabilitado);
    QString conversacion = e.txtDialog;
    conversacion.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (txtDialog_->toPlainText() != conversacion) {
        txtDialog_->setPlainText(conversacion);
        // The newest line in view.
        txtDialog_->moveCursor(QTextCursor::End);
        txtDialog_->ensureCursorVisible();
    }

    barra_->setText(e.barra);

    mn_pausar_->setText(e.mn_pausar.texto);
    mn_pausar_->setEnabled(e.mn_pausar.habilitado);
    mn_pausar_->setChecked(e.mn_pausar.marcado);
    mn_repar_->setEnabled(e.mn_repar.habilitado);
    mn_finpartida_->setEnabled(e.mn_finpartida.habilitado);
    mn_maquinared_->setEnabled(caberMaquina(j_));
    mn_quitarmaq_->setEnabled(hayMaquina(j_));
    for (int i = 1; i <= 2; ++i)
        mn_mod_[i]->setChecked(e.mn_mod[i].marcado);
    nombrarParaLectores();
}

void Form1::closeEvent(QCloseEvent* ev)
{
    // Closing is never cancelled; the connections go before the window does.
    cerrarConexiones(j_);
    ev->accept();
}
