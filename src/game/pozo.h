// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pool of round targets: a text of four-character tokens "*NN*".

#include <QString>

namespace pozo {

// The fifty tokens *01* .. *50* in ascending order.
QString completo();

// Number of tokens left.
inline int cantidad(const QString& pool) { return static_cast<int>(pool.size() / 4); }

// The draw of the next target from a non-empty pool, with r uniform in [0, 1).
// Each of the first n-1 tokens is equally likely; the last one is drawn only
// when it is the only one left. Returns the two digits as they stand ("07").
QString elegir(const QString& pool, double r);

// The pool without any token of that number.
QString quitar(const QString& pool, const QString& dosDigitos);

// Whether a text is a pool at all: "*NN*" tokens, each number 1..50 at most
// once (a server's word is checked against it before a client takes it).
bool valido(const QString& pool);

}  // namespace pozo
