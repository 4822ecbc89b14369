// The protocol half of the window's tick, behind one replaceable call so
// that the window can run without a front end (and tests without stdin).
#pragma once

#include <functional>

// Runs the protocol half: reads standard input, dispatches the commands and
// lets the engine move in WinBoard mode. False when the tick must end there
// because it runs nested inside a search.
bool passoprotocollo();

// Replaces the protocol half (nullptr restores the WinBoard one).
void impostaprotocollo(std::function<bool()> passo);

// What the protocol may ask of the window: hide it when a front end
// announces itself, close it on "quit".
void collegaprotocollo(std::function<void()> nascondi, std::function<void()> chiudi);
