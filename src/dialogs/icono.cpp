// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/icono.h"

QIcon iconoZumbarta(int ladoMaximo)
{
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        if (lado <= ladoMaximo)
            icono.addFile(QStringLiteral(":/icono/zumbarta-%1.png").arg(lado), QSize(lado, lado));
    return icono;
}
