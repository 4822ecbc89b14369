// What a protocol session is, whichever protocol the front end speaks: the
// engine's search for it (begun, ended, abandoned), which of the search's
// iterations are shown, the lines waiting until it ends, the front end's
// arrival and the end of the program. The xboard and UCI commands stand on
// this; the dispatcher feeds it the lines it reads.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

// What the protocol asks of its host.
struct ProtocolHooks {
  std::function<void()> onXboard;  // "xboard" (or the first "level"): hide the window, drop the meshes
  std::function<void()> onQuit;    // "quit" or end of input: close the window / end the loop
};
void setProtocolHooks(ProtocolHooks hooks);

// Lines read and not applied yet, in order: those that arrived while a
// search ran, and the rest of a read whose earlier lines are being applied.
extern std::deque<std::string> deferred;

// Stands in the queue for a line too long to be read: it is no command, and
// it never acts during a search.
constexpr std::string_view OVERLONG = "\x01overlong";

// A protocol's test of a line arriving while a search runs: true when the
// line acted at once and is used up, false to keep it for later.
using UrgentLine = bool (*)(const std::string& line);

// The running search ends at its next clock check; with abandon its move is
// not played (the front end has moved on: new game, force, quit ...).
void endSearch(bool abandon);
// True when the search just ended was stopped with abandon (cleared by the
// next search start).
bool searchAbandoned();
// Called before a search starts: clears the abandon mark, and lets the
// protocol's urgent lines already queued behind the command that starts the
// search act as if they arrived during it, up to the first line that starts
// a search of its own (startsSearch).
void beginSearch(UrgentLine actsAtOnce, UrgentLine startsSearch);

// Whether a finished iteration is worth showing: once one has been shown,
// an iteration that ended past the deadline was cut short and its score is
// a fragment. Counts per search (beginSearch starts again).
bool showIteration();

// Tells the host a front end is there (the window hides itself).
void announceFrontEnd();

// Quits the program: the search stops, the window closes or the loop ends.
void requestQuit();
// True once the program was asked to quit.
bool protocolQuit();

// "move now": the search stops at its next clock check.
void muovisubito1Click();

// Back to the start-up state (tests): nothing waiting, no quit, no abandon.
void resetSession();
