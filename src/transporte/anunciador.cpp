// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/anunciador.h"

#include "transporte/canalanuncios.h"

#include <QRandomGenerator>

Anunciador::Anunciador(bool soloLoopback, int intervaloMs, int separacionMs, QObject* parent)
    : QObject(parent), intervaloMs(intervaloMs), separacionMs(separacionMs), soloLoopback_(soloLoopback)
{
    while (partida_.id == 0)
        partida_.id = QRandomGenerator::system()->generate64();
    connect(&periodo_, &QTimer::timeout, this, &Anunciador::enviar);
    espera_.setSingleShot(true);
    connect(&espera_, &QTimer::timeout, this, &Anunciador::enviar);
}

Anunciador::~Anunciador()
{
    terminar();
}

void Anunciador::empezar(const anuncio::Partida& p)
{
    if (canal_) {
        actualizar(p);
        return;
    }
    canal_ = new CanalAnuncios(soloLoopback_, this);
    // Without the shared port no query is heard; the announcements still go out.
    canal_->abrir();
    canal_->alRecibir = [this](const QByteArray& d, const QHostAddress&, quint16) { recibir(d); };
    partida_ = {partida_.id, p.puerto, p.nombre, p.ocupados, p.libres, p.estado};
    periodo_.start(intervaloMs);
    enviar();
}

void Anunciador::actualizar(const anuncio::Partida& p)
{
    const anuncio::Partida nueva{partida_.id, p.puerto, p.nombre, p.ocupados, p.libres, p.estado};
    if (nueva == partida_)
        return;
    partida_ = nueva;
    if (anunciando())
        pronto();
}

void Anunciador::terminar()
{
    if (!canal_)
        return;
    periodo_.stop();
    espera_.stop();
    canal_->enviar(anuncio::adios(partida_.id));
    // Not from inside its own read.
    canal_->alRecibir = nullptr;
    canal_->deleteLater();
    canal_ = nullptr;
}

void Anunciador::recibir(const QByteArray& datos)
{
    const auto d = anuncio::leer(datos);
    if (d && d->tipo == anuncio::Tipo::Consulta)
        pronto();
}

void Anunciador::pronto()
{
    const qint64 pasado = ultimo_.isValid() ? ultimo_.elapsed() : separacionMs;
    if (pasado >= separacionMs)
        enviar();
    else if (!espera_.isActive())
        espera_.start(static_cast<int>(separacionMs - pasado));
}

void Anunciador::enviar()
{
    if (!canal_)
        return;
    espera_.stop();
    canal_->enviar(anuncio::componer(partida_));
    ultimo_.restart();
    // The next one comes a whole period after this one.
    periodo_.start(intervaloMs);
}
