#include "game/tablero.h"

namespace tablero {

QString tag(int k)
{
    return QString::number(fila(k)) + QString::number(columna(k));
}

}  // namespace tablero
