// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A server and its clients as stations of one test process, over real sockets on 127.0.0.1 only.

#include "dobles.h"
#include "flow/temporizadores.h"
#include "net/asientos.h"
#include "net/partidared.h"
#include "net/redpartida.h"
#include "transporte/cliente.h"
#include "transporte/servidor.h"
#include "partida.h"
#include "prueba.h"

#include <algorithm>
#include <memory>
#include <vector>

// A peer that is not the game: it writes bytes and keeps what it reads.
struct Crudo {
    QTcpSocket s;
    QByteArray leido;
    // One that never reads stops the sender once 4 KiB wait unread on its side.
    explicit Crudo(quint16 puerto, bool lee = true)
    {
        if (lee)
            QObject::connect(&s, &QTcpSocket::readyRead, [this] { leido += s.readAll(); });
        else
            s.setReadBufferSize(4096);
        s.connectToHost(QHostAddress::LocalHost, puerto);
        s.waitForConnected(3000);
    }
    bool espera(const QByteArray& b, int ms = 5000) { return esperar([&] { return leido.contains(b); }, ms); }
    void escribir(const QByteArray& b)
    {
        s.write(b);
        s.flush();
    }
    bool sentarse(const QByteArray& nombre, int asiento)
    {
        escribir("[Joined]" + nombre + "\r\n");
        return espera("[Identificacion]" + QByteArray::number(asiento) + "\r\n");
    }
};

struct Mesa {
    const double escala;
    JuegoDePrueba servidor;
    std::vector<std::unique_ptr<JuegoDePrueba>> clientes;
    quint16 puerto = 0;

    explicit Mesa(const QString& nombre = QStringLiteral("Ana"), double escala = 1.0) : escala(escala), servidor(true, enPruebas(escala))
    {
        iniciarServidor(servidor.j, {EleccionRed::Servir, nombre, {}, QStringLiteral("0")});
        if (Servidor* s = servidorEn(servidor.j))
            puerto = s->puertoEscucha();
    }

    JuegoDePrueba& operator[](int s) { return s == 1 ? servidor : *clientes.at(s - 2); }
    std::unique_ptr<JuegoDePrueba> estacion() const { return std::make_unique<JuegoDePrueba>(true, enPruebas(escala)); }

    // A client joins; true once the server has told it its seat.
    bool unir(const QString& nombre)
    {
        const int asiento = clientesSentados(servidor.j) + 2;
        clientes.push_back(estacion());
        return conectarA(*clientes.back(), nombre, puerto) && esperar([&] { return clientes.back()->j.e.miJugador == asiento; });
    }

    static bool conectarA(JuegoDePrueba& c, const QString& nombre, quint16 puerto, const QString& equipo = QStringLiteral("127.0.0.1"))
    {
        RedPartida* red = iniciarCliente(c.j, {EleccionRed::Conectarse, nombre, equipo, QString::number(puerto)});
        // As the dialog does: the table is set before the server's first message is handled.
        auto resultado = std::make_shared<int>(-1);
        QObject::connect(red->cliente(), &Cliente::terminado, red, [&c, red, resultado](bool ok) { *resultado = terminarConexion(c.j, red, ok); });
        return esperar([&] { return *resultado >= 0; }) && *resultado == 1;
    }

    // F2 on the server, with the board of partida.h and the first target given.
    bool empezar(int objetivo)
    {
        guionReparto(servidor.azar);
        guionObjetivo(servidor.azar, pozo::completo(), objetivo);
        servidor.f2.pulsadaAhora = true;
        timer3_Timer(servidor.j);
        return todos([&](const Estado& e) { return e.Valor[49] == QLatin1Char(kTablero[48]) && e.fichaRE == QString::number(objetivo); });
    }

    // "Turno" on that station; true once every station shows it holding the turn.
    bool pedirTurno(JuegoDePrueba& p)
    {
        Command1_Click(p.j);
        const int s = p.j.e.miJugador;
        return todos([s](const Estado& e) { return e.turno == s; });
    }

    // The server's round clock one tick from running out.
    void ultimoSegundo()
    {
        Estado& e = servidor.j.e;
        e.minutos = 0, e.segundos = 1, e.minutosPasados = 3;
    }

    template <class F>
    bool todos(F cond, int ms = 5000)
    {
        const auto suya = [&](const auto& c) { return cond(c->j.e); };
        return esperar([&] { return cond(servidor.j.e) && std::all_of(clientes.begin(), clientes.end(), suya); }, ms);
    }
};

// What every station of a table must agree on.
inline QStringList mesaDe(const Estado& e)
{
    QStringList f{e.fichaRE, e.fichasRedondas, QString::number(e.turno), QString::number(e.modoLineal)};
    for (int k = 1; k <= kFichas; ++k)
        f << e.Valor[k];
    for (int s = 1; s <= kMaxJugadores; ++s)
        f << e.Jugadores[s].texto + e.Fichas[s].texto + e.Partidas[s].texto + QString::number(e.ausente[s]) + QString::number(e.Jugadores[s].visible);
    return f;
}
