// The WinBoard/xboard protocol's commands. Front ends that never send
// "protover" get the first protocol's replies (its three start lines);
// after "protover 2" the engine announces
// its features and answers as the second protocol asks.
#pragma once

#include <string>

// One command line (already cleaned of carriage returns and tabs).
void dispatchXboard(const std::string& line);

// While a search runs: acts on lines that cannot wait ("?", "." in
// analysis) and stops the search for those that end it; true when the line
// is used up.
bool urgentXboard(const std::string& line);

// The end of a tick: the engine moves for the side it plays, or analyses.
void xboardTurn();

// Every tick: after "xboard" without "protover", the first protocol's start
// lines once the front end has had a short while to send it.
void xboardWaitTick();

// The engine's move for the side to move, with its output lines.
void velkormuove();

// Back to the start-up state (tests).
void resetXboard();

// The feature lines announced after "protover 2": the options, then the
// rest.
extern const char* const OPTIONFEATURES;
extern const char* const FEATURES2;
