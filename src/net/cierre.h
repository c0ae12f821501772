#pragma once
// Closing down every network connection of this station.

class Juego;

// Closes the client socket and every accepted server connection, stops the
// round clock, hides the "Turno" button and greys the chat. Safe to call
// when nothing is connected.
void cerrarConexiones(Juego& j);
