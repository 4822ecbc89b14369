// What the protocol files share: the protocol the front end speaks, the
// lines waiting while a search runs, and how a running search is ended.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

// Chosen by the first command: "uci" gives UCI for the rest of the run,
// anything else the WinBoard/xboard protocol.
enum class Dialect { undecided, xboard, uci };
extern Dialect dialect;

// The xboard protocol version the front end announced ("protover N"); 1
// for front ends that never send it.
extern int protover;

// Lines that arrived while a search ran, applied in order once it ends.
extern std::deque<std::string> deferred;

// The running search ends at its next clock check; with abandon its move is
// not played (the front end has moved on: new game, force, quit ...).
void endSearch(bool abandon);
// True when the search just ended was stopped with abandon (cleared by the
// next search start).
bool searchAbandoned();
// Called before a search starts: clears the abandon mark, and acts on the
// urgent lines already queued behind the command that starts it.
void beginSearch();

// Whether a finished iteration is worth showing: once one has been shown,
// an iteration that ended past the deadline was cut short and its score is
// a fragment. Counts per search (beginSearch starts again).
bool showIteration();

// The first word of a line and the text after it (blanks trimmed).
std::string_view firstWord(std::string_view line);
std::string_view restOf(std::string_view line);

// Tells the host a front end is there (the window hides itself).
void announceFrontEnd();

// The nested tick's own checks while a search runs (UCI's node limit).
void searchTick();

// Quits the program: the search stops, the window closes or the loop ends.
void requestQuit();
