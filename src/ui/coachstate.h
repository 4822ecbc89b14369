// What the window keeps for the coach: the analysis and the review, the
// hint on the board, and the parts that show them (maincoach.cpp).
#pragma once

#include <string>

#include "game/analysis.h"
#include "game/coachsearch.h"
#include "game/review.h"

class AnalysisPanel;
class QAction;
class QMenu;
class ReviewPage;
class ScoreBar;
class ScoreGraph;

struct CoachState {
  Analysis analysis;
  GameReview review;
  // The hint on the board and the position it belongs to (empty: none).
  SearchReport hint;
  std::string hintFen;
  QString hintStatus;  // its line in the status strip
  // Asked for while the analysis had no line yet: the next one gives it.
  bool hintWanted = false;

  QMenu* menu = nullptr;
  QAction* hintAction = nullptr;
  QAction* analyseAction = nullptr;
  QAction* reviewAction = nullptr;
  ScoreBar* bar = nullptr;
  ScoreGraph* graph = nullptr;
  AnalysisPanel* panel = nullptr;
  ReviewPage* page = nullptr;
};
