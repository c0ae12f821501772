// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/azar.h"

#include <chrono>

AzarReloj::AzarReloj(std::uint64_t semilla) : estado_(semilla) {}

std::uint64_t AzarReloj::siguiente()
{
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void AzarReloj::resembrar()
{
    const auto ahora = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    // Mixing keeps the sequence going even when the clock has not moved.
    estado_ ^= ahora * 0xD1B54A32D192ED03ULL;
    siguiente();
}

double AzarReloj::rnd()
{
    // The top 53 bits give a double in [0, 1).
    return static_cast<double>(siguiente() >> 11) * (1.0 / 9007199254740992.0);
}
