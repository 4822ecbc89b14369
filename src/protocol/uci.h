// The UCI protocol, spoken when the first command is "uci": identification
// and the options (ucioptions.h), positions from the start or a FEN with
// moves, and searches by clock, move time, depth, nodes, mate or without end.
#pragma once

#include <string>

// One command line (already cleaned of carriage returns and tabs).
void dispatchUci(const std::string& line);

// While a search runs: "stop", "isready", "ponderhit" and "quit" act at
// once; true when the line is used up.
bool urgentUci(const std::string& line);

// The checks of a running search at each nested tick: "go nodes" ends it
// once the nodes are searched.
void uciSearchTick();

// Back to the start-up state (tests).
void resetUci();

// The engine's name and author as "uci" announces them.
extern const char* const UCIAUTHOR;
