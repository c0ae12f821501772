// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

// A client's receive path: whatever its server sends, once the client knows
// it sits on seat 2 of three.

#include "mesa.h"
#include "net/redpartida.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    static const Estado sentado = [] {
        Estado e;
        fuzz::sentar(e, 2);
        return e;
    }();
    fuzz::recibir(fuzz::reponer(sentado, RedPartida::Rol::Cliente), datos, n, 0, true);
    return 0;
}
