// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Info del sistema..." of the about box. Windows says in its registry where
// its own system-information program lives; other systems have no such
// program to offer, and the player is told so.

class CajaMensaje;

// Starts the program, or shows the message with no icon.
void StartSysInfo(CajaMensaje& caja);
