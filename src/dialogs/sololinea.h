// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A line box that takes only what the network carries unchanged: Latin-1
// letters, no control characters. A name or a chat line typed here then
// reads the same on every station.

#include "transporte/lineas.h"

#include <QValidator>

class SoloLinea : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override
    {
        return protocolo::cabeEnLinea(texto) ? Acceptable : Invalid;
    }
};
