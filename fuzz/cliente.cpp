// A client's receive path: whatever its server sends, once the client knows
// it sits on seat 2 of three.

#include "mesa.h"
#include "net/cliente.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n)
{
    fuzz::iniciarQt();
    JuegoDePrueba p;
    fuzz::sentar(p.j.e, 2);
    p.j.enlace = new Cliente(p.j);
    fuzz::recibir(p, datos, n, -1, true);
    return 0;
}
