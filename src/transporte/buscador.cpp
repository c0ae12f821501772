// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transporte/buscador.h"

#include "transporte/canalanuncios.h"

#include <algorithm>

Buscador::Buscador(int intervaloMs, QObject* parent) : QObject(parent), intervaloMs(intervaloMs)
{
    connect(&caducidad_, &QTimer::timeout, this, &Buscador::caducar);
    reloj_.start();
}

void Buscador::buscar(bool soloLoopback)
{
    if (canal_)
        return;
    canal_ = new CanalAnuncios(soloLoopback, this);
    canal_->abrir();
    canal_->alRecibir = [this](const QByteArray& d, const QHostAddress& de) { recibir(d, de); };
    caducidad_.start(std::max(1, intervaloMs / 4));
    canal_->enviar(anuncio::consulta());
}

void Buscador::recibir(const QByteArray& datos, const QHostAddress& de)
{
    const auto d = anuncio::leer(datos);
    if (!d || d->tipo == anuncio::Tipo::Consulta)
        return;
    const anuncio::Partida& p = d->partida;
    auto it = std::find_if(partidas_.begin(), partidas_.end(), [&](const Entrada& e) { return e.partida.id == p.id; });
    if (d->tipo == anuncio::Tipo::Adios) {
        if (it != partidas_.end()) {
            partidas_.erase(it);
            emit cambiaron();
        }
        return;
    }
    const qint64 ahora = reloj_.elapsed();
    if (it == partidas_.end()) {
        if (static_cast<int>(partidas_.size()) >= kMaxPartidas)
            return;
        partidas_.push_back({p, de, ahora, ahora});
        emit cambiaron();
        return;
    }
    // One game heard through several cards or routes is one entry. It keeps
    // its address while that one is heard, so the list does not flicker.
    it->visto = ahora;
    bool cambio = it->partida != p;
    if (de == it->equipo) {
        it->vistoEquipo = ahora;
    } else if (ahora - it->vistoEquipo > intervaloMs + intervaloMs / 2) {
        it->equipo = de;
        it->vistoEquipo = ahora;
        cambio = true;
    }
    it->partida = p;
    if (cambio)
        emit cambiaron();
}

void Buscador::caducar()
{
    const qint64 ahora = reloj_.elapsed();
    const auto n = std::erase_if(partidas_, [&](const Entrada& e) { return ahora - e.visto > vida(); });
    if (n > 0)
        emit cambiaron();
}
