// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's own random generator: a 64-bit state advanced by splitmix64.
// Re-seeding folds the clock into the state instead of replacing it.

#include "game/puertos.h"

#include <cstdint>

class AzarReloj final : public Azar {
public:
    explicit AzarReloj(std::uint64_t semilla = 0x5A554D4241525441ULL);
    void resembrar() override;
    double rnd() override;

private:
    std::uint64_t siguiente();
    std::uint64_t estado_;
};
