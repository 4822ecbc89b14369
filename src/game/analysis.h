// The analysis: the engine searches the position shown without end, as an
// xboard front end's "analyze" asks, while the player browses the recorded
// moves, plays both sides or edits the board. Any change of the position
// stops the search (every such command goes through the controller's
// whenIdle) and the next start searches the new one; turning it off stops
// it. It plays no move: the controller holds the engine in analysis mode.
#pragma once

#include <functional>
#include <string>

#include "game/coachsearch.h"

class Analysis {
 public:
  // Turns the analysis on or off; off stops a running analysis search.
  void setOn(GameController& game, bool on);
  bool on() const { return on_; }

  // Whether a search should start now: on, no search running, and the
  // position shown a playable one not yet searched to its end.
  bool due(const GameController& game) const;

  // Searches the position shown until a command stops it or the search
  // ends by itself (its deepest iteration, a mate found): that position is
  // then done until the board shows another. A position whose side to move
  // has no move is done at once. Every finished iteration becomes the
  // latest report, and onReport hears of it.
  void run(GameController& game, const std::function<void()>& onReport);

  // The latest report, when it belongs to the position shown (else null).
  const SearchReport* latest(const GameController& game) const;

 private:
  bool on_ = false;
  std::string doneFen_;    // the position searched to its end
  std::string reportFen_;  // the position the report belongs to
  SearchReport report_;
};
