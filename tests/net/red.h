// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Network games on this machine: a server and its clients as stations of one
// test process, joined over real sockets on 127.0.0.1 only.

#include "dobles.h"
#include "flow/temporizadores.h"
#include "net/cliente.h"
#include "net/partidared.h"
#include "net/enlaces.h"
#include "partida.h"
#include "prueba.h"

#include <QSignalSpy>
#include <memory>
#include <vector>

// A peer that is not the game: it writes bytes and keeps what it reads.
struct Crudo {
    QTcpSocket s;
    QByteArray leido;
    explicit Crudo(quint16 puerto)
    {
        QObject::connect(&s, &QTcpSocket::readyRead, [this] { leido += s.readAll(); });
        s.connectToHost(QHostAddress::LocalHost, puerto);
        s.waitForConnected(3000);
    }
    bool espera(const QByteArray& b, int ms = 5000) { return esperar([&] { return leido.contains(b); }, ms); }
    void escribir(const QByteArray& b)
    {
        s.write(b);
        s.flush();
    }
    // Introduces itself; true once the server has told it its seat.
    bool sentarse(const QByteArray& nombre, int asiento)
    {
        escribir("[Joined]" + nombre + "\r\n");
        return espera("[Identificacion]" + QByteArray::number(asiento) + "\r\n");
    }
};

struct Mesa {
    JuegoDePrueba servidor;
    std::vector<std::unique_ptr<JuegoDePrueba>> clientes;
    quint16 puerto = 0;

    explicit Mesa(const QString& nombre = QStringLiteral("Ana"))
    {
        iniciarServidor(servidor.j, {EleccionRed::Servir, nombre, {}, QStringLiteral("0")}, QHostAddress::LocalHost);
        if (Servidor* s = servidorDe(servidor.j))
            puerto = s->puertoEscucha();
    }

    JuegoDePrueba& operator[](int s) { return s == 1 ? servidor : *clientes.at(s - 2); }

    // A client joins; true once the server has told it its seat.
    bool unir(const QString& nombre)
    {
        auto c = std::make_unique<JuegoDePrueba>();
        const int asiento = servidor.j.e.numConexiones + 2;
        if (!conectarA(*c, nombre, puerto))
            return false;
        clientes.push_back(std::move(c));
        return esperar([&] { return clientes.back()->j.e.miJugador == asiento; });
    }

    static bool conectarA(JuegoDePrueba& c, const QString& nombre, quint16 puerto)
    {
        Cliente* cli = iniciarCliente(c.j, {EleccionRed::Conectarse, nombre, QStringLiteral("127.0.0.1"), QString::number(puerto)});
        // As the dialog does: the table is set before the server's first message is handled.
        auto resultado = std::make_shared<int>(-1);
        QObject::connect(cli, &Cliente::terminado, cli, [&c, cli, resultado](bool ok) { *resultado = terminarConexion(c.j, cli, ok); });
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

    // The server's round clock one tick from running out.
    void ultimoSegundo()
    {
        Estado& e = servidor.j.e;
        e.minutos = 0, e.segundos = 1, e.minutosPasados = 3;
    }

    // Waits until every station satisfies the condition.
    template <class F>
    bool todos(F cond, int ms = 5000)
    {
        return esperar([&] {
            if (!cond(servidor.j.e))
                return false;
            for (auto& c : clientes)
                if (!cond(c->j.e))
                    return false;
            return true;
        }, ms);
    }
};

// A table of three (Ana serves, Beto and Carla join) whose timers run as the
// program's do.
struct MesaViva : Mesa {
    MesaViva()
    {
        conectarTemporizadores(servidor.j);
        for (const char* n : {"Beto", "Carla"})
            if (unir(QLatin1String(n)))
                conectarTemporizadores(clientes.back()->j);
    }
};

// Runs `f` once, the first time a notice opens on that station, as a player
// who has not yet pressed "Aceptar".
inline void alPrimerAviso(JuegoDePrueba& p, std::function<void()> f)
{
    p.aviso.mientrasAbierto = [&p, f] {
        const auto una = f;  // clearing the slot destroys this very lambda
        p.aviso.mientrasAbierto = nullptr;
        una();
    };
}
