#pragma once
// The program's icon, built into the executable in every size a desktop asks
// for, so no window is ever left without it.

#include <QIcon>

QIcon iconoZumbarta();
