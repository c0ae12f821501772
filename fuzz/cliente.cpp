// A client's receive path: whatever its server sends, once the client knows
// it sits on seat 2 of three.

#include "mesa.h"
#include "net/cliente.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    JuegoDePrueba p;
    Estado& e = p.j.e;
    p.j.enlace = new Cliente(p.j);
    fuzz::sentar(e);
    e.esServidor = false;
    e.miJugador = 2;
    e.miNombre = QStringLiteral("Beto");
    fuzz::recibir(p, datos, n, -1, true);
    return 0;
}
