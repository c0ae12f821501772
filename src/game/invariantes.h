// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What no transition, timer or message, however a peer words it, may ever
// leave on a table. The tests, the fuzz targets and the simulation of whole
// network games all check the same list, so a rule added here is watched
// everywhere at once.

#include "game/estado.h"

#include <QString>

// The first broken invariant, in a few words, or "" when the table is sound:
// a turn, pick or seat count out of range, a tile that is not one digit, a
// target that is not 1..50, a pool that is not one, a seat highlighted that
// does not hold the turn.
QString incoherencia(const Estado& e);
