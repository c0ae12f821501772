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
    canal_->alRecibir = [this](const QByteArray& d, const QHostAddress& de, quint16 puerto) { recibir(d, de, puerto); };
    caducidad_.start(std::max(1, intervaloMs / 4));
    canal_->enviar(anuncio::consulta());
}

void Buscador::recibir(const QByteArray& datos, const QHostAddress& de, quint16 puerto)
{
    const auto d = anuncio::leer(datos);
    if (!d || d->tipo == anuncio::Tipo::Consulta)
        return;
    const anuncio::Partida& p = d->partida;
    const auto suya = std::find_if(oidas_.begin(), oidas_.end(), [&](const Oida& o) {
        return o.entrada.partida.id == p.id && o.puerto == puerto && o.entrada.equipo == de;
    });
    if (d->tipo == anuncio::Tipo::Adios) {
        if (suya != oidas_.end()) {
            oidas_.erase(suya);
            publicar();
        }
        return;
    }
    const qint64 ahora = reloj_.elapsed();
    if (suya != oidas_.end()) {
        suya->visto = ahora;
        suya->entrada.partida = p;
    } else {
        const auto delEquipo = std::count_if(oidas_.begin(), oidas_.end(), [&](const Oida& o) { return o.entrada.equipo == de; });
        if (static_cast<int>(oidas_.size()) >= kMaxPartidas || delEquipo >= kPorEquipo)
            return;
        oidas_.push_back({{p, de}, puerto, ahora});
    }
    publicar();
}

void Buscador::caducar()
{
    const qint64 ahora = reloj_.elapsed();
    if (std::erase_if(oidas_, [&](const Oida& o) { return ahora - o.visto > vida(); }) > 0)
        publicar();
}

void Buscador::publicar()
{
    // The first heard of each id is the one still heard the longest: a game
    // keeps its address while that one is heard, so the list does not
    // flicker between cards, and a later copy from elsewhere stays behind it.
    std::vector<Entrada> lista;
    for (const Oida& o : oidas_)
        if (std::none_of(lista.begin(), lista.end(), [&](const Entrada& e) { return e.partida.id == o.entrada.partida.id; }))
            lista.push_back(o.entrada);
    if (lista == partidas_)
        return;
    partidas_ = std::move(lista);
    emit cambiaron();
}
