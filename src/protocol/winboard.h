// The protocol half of the 20 ms tick: what arrived on standard input is
// split into lines, the first command chooses the protocol (UCI or
// WinBoard/xboard), and each line goes to it, or waits while a search runs;
// then the engine moves for the side it plays. The window and the headless
// engine run the same tick.
#pragma once

#include <string>
#include <vector>

// The host's hooks and protocolQuit.
#include "protocol/session.h"

// One tick's protocol half. False when the tick must end here because it
// runs nested inside a search (the lines read are kept for later).
bool tickprotocollo();

// Whether standard input is read: always for the headless engine, only
// when it is a pipe, socket or file for the window (a terminal is not).
void setStdinPolicy(bool readTerminal);

// Dispatches one line (tests and the tick).
void dispatchLine(const std::string& line);

// The tick after its read: the lines in order (or kept for later when a
// search is running), then the engine's moves. tickprotocollo is this with
// the lines of one read of standard input.
bool processatick(const std::vector<std::string>& lines);

// Back to the state at start-up (tests): nothing pending, no force, no posting.
void resetprotocollo();

// The lines one poll of standard input gave (at most 255 bytes a read; a
// line cut by the read is completed by the next one).
std::vector<std::string> leggiinput();
