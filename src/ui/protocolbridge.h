// The protocol half of the window's tick, behind one replaceable call: the
// program gives the window its protocol at start-up, tests their own or
// none.
#pragma once

#include <functional>

// Runs the protocol half: reads standard input, dispatches the commands and
// lets the engine move for a front end. False when the tick must end there
// because it runs nested inside a search. Without a protocol: true.
bool passoprotocollo();

// Sets the protocol half (nullptr: none).
void impostaprotocollo(std::function<bool()> passo);
