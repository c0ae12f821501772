// SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's icon, built into the executable in every size a desktop asks
// for, so no window is ever left without it.

#include <QIcon>

// Up to ladoMaximo pixels. A window's own icon stops at 64: every size given
// to it is decoded and sent to the window system as the window opens, and
// the big ones cost a noticeable part of the start-up for nothing a title
// bar or task switcher shows.
QIcon iconoZumbarta(int ladoMaximo = 256);
