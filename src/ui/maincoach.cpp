// The coach in the window: the Coach menu (a hint, the analysis of the
// position shown, the review of the game), the hint's arrow and its line
// in the status strip, the analysis panel, the review page, the score bar
// beside the board and the score graph under the move grid.
//
// The coach's searches are the engine's one search, run from the tick as
// the engine's turn is. While one runs, whatever could change the board
// waits for its end: an opened menu stops it and none starts while a menu,
// a dialog or a pressed button is open, and the board's clicks are taken
// once it has stopped (mainboard.cpp).
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

#include "game/hint.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "settings/language.h"
#include "ui/analysispanel.h"
#include "ui/coachstate.h"
#include "ui/main.h"
#include "ui/reviewpage.h"
#include "ui/scorebar.h"
#include "ui/scoregraph.h"

namespace {

QString t(const char* key) { return QString::fromUtf8(testo(key)); }

// "White: 1 ?!, 0 ?, 1 ??" for the moves of one side.
QString markCount(const QString& side, const std::vector<MoveMark>& marks, bool white, bool blackStarts) {
  int counts[4] = {};
  for (size_t k = 1; k < marks.size(); ++k)
    if (((((k - 1) % 2) == 0) != blackStarts) == white) ++counts[static_cast<int>(marks[k])];
  return side + QStringLiteral(": %1 ?!, %2 ?, %3 ??")
                    .arg(counts[static_cast<int>(MoveMark::dubious)])
                    .arg(counts[static_cast<int>(MoveMark::mistake)])
                    .arg(counts[static_cast<int>(MoveMark::blunder)]);
}

}  // namespace

CoachState& TZefiran_3D::coach() {
  // The parts are made while the window is built, before its menus.
  if (!coach_) coach_ = std::make_shared<CoachState>();
  return *coach_;
}

void TZefiran_3D::createCoachMenu() {
  CoachState& c = coach();
  c.menu = new QMenu(this);
  c.menu->setObjectName("coachMenu");
  c.hintAction = c.menu->addAction(QString());
  c.hintAction->setObjectName("hint");
  c.hintAction->setShortcut(QKeySequence(Qt::Key_H));
  c.analyseAction = c.menu->addAction(QString());
  c.analyseAction->setObjectName("analyse");
  c.analyseAction->setCheckable(true);
  // xboard's key for its analysis mode.
  c.analyseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  c.menu->addSeparator();
  c.reviewAction = c.menu->addAction(QString());
  c.reviewAction->setObjectName("reviewGame");
  MainMenu1->insertMenu(Tests1->menuAction(), c.menu);
  connect(c.hintAction, &QAction::triggered, this, &TZefiran_3D::hintClick);
  connect(c.analyseAction, &QAction::triggered, this, &TZefiran_3D::analyseClick);
  connect(c.reviewAction, &QAction::triggered, this, &TZefiran_3D::reviewClick);
  // What a menu's item does may change the board: the coach's search stops
  // as the menu opens, and none starts while it is open.
  for (QMenu* m : findChildren<QMenu*>())
    connect(m, &QMenu::aboutToShow, this, [] { controllore().stopCoachSearch(); });
  relabelCoachMenu();
}

void TZefiran_3D::relabelCoachMenu() {
  CoachState& c = coach();
  if (c.menu) {
    c.menu->setTitle(t("M_COACH"));
    c.hintAction->setText(t("M_HINT"));
    c.analyseAction->setText(t("M_ANALYSE"));
    c.reviewAction->setText(t("M_REVIEW"));
  }
  if (c.panel) c.panel->settalingua();
  if (c.page) c.page->settalingua();
}

QWidget* TZefiran_3D::createScoreBar(QWidget* parent) {
  CoachState& c = coach();
  c.bar = new ScoreBar(parent);
  c.bar->setObjectName("scoreBar");
  c.bar->hide();
  return c.bar;
}

QWidget* TZefiran_3D::createScoreGraph(QWidget* parent) {
  CoachState& c = coach();
  c.graph = new ScoreGraph(parent);
  c.graph->setObjectName("scoreGraph");
  c.graph->hide();
  connect(c.graph, &ScoreGraph::halfMoveChosen, this, [](int k) { controllore().goToMove(k); });
  return c.graph;
}

QWidget* TZefiran_3D::createAnalysisPanel(QWidget* parent) {
  CoachState& c = coach();
  c.panel = new AnalysisPanel(parent);
  c.panel->hide();
  return c.panel;
}

void TZefiran_3D::createReviewPage(QStackedWidget* notebook) {
  CoachState& c = coach();
  c.page = new ReviewPage(notebook);
  notebook->addWidget(c.page);
  connect(c.page, &ReviewPage::startWanted, this, &TZefiran_3D::startReview);
  connect(c.page, &ReviewPage::stopWanted, this, &TZefiran_3D::stopReview);
}

QAction* TZefiran_3D::coachShortcut(const QKeySequence& pressed) const {
  if (!coach_) return nullptr;
  for (QAction* a : {coach_->hintAction, coach_->analyseAction})
    if (a && a->isEnabled() && a->shortcut() == pressed) return a;
  return nullptr;
}

HintArrow TZefiran_3D::hintArrow() const {
  if (!coach_ || coach_->hintFen.empty() || coach_->hintFen != controllore().currentFen()) return {};
  return HintArrow{coach_->hint.from, coach_->hint.to};
}

void TZefiran_3D::updateCoachMode() {
  CoachState& c = coach();
  controllore().setCoachMode(c.review.running() ? CoachMode::review
                             : c.analysis.on()  ? CoachMode::analysis
                                                : CoachMode::none);
}

bool TZefiran_3D::coachDue() {
  CoachState& c = coach();
  if (c.bar) c.bar->setWhiteAtBottom(!boardTurned());
  const GameController& session = controllore();
  if (session.searching() || QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
      QApplication::mouseButtons() != Qt::NoButton)
    return false;
  return c.review.running() || c.analysis.due(session);
}

void TZefiran_3D::runCoach() {
  turnBooked_ = false;
  if (closed_ || testRunning_ || !coachDue()) return;
  CoachState& c = coach();
  if (c.review.running()) {
    c.review.step(controllore());
    reviewStepped();
    return;
  }
  c.analysis.run(controllore(), [this] { showAnalysis(); });
  showAnalysis();
}

// ---- the hint ----

void TZefiran_3D::hintClick() {
  if (busy() || editing()) return;
  GameController& session = controllore();
  CoachState& c = coach();
  if (c.analysis.on()) {
    // The analysis's line has the move already, or will have.
    if (const SearchReport* r = c.analysis.latest(session))
      showHint(*r);
    else
      c.hintWanted = true;
    return;
  }
  // The engine thinking of its own move, or a review, has the search.
  if (session.searching() || c.review.running()) return;
  const std::string fen = session.currentFen();
  const std::optional<SearchReport> r = findHint(session, HINT_TIME_MS);
  if (session.currentFen() != fen) return;  // the board moved on meanwhile
  if (!r) {
    // Cut short before its first iteration (a menu opened): nothing to say.
    if (hasLegalMove(session)) return;
    clearHint();
    c.hintStatus = t("P_NOHINT");
    addStatus(c.hintStatus);
    return;
  }
  showHint(*r);
}

void TZefiran_3D::showHint(const SearchReport& r) {
  clearHint();
  CoachState& c = coach();
  c.hintWanted = false;
  c.hint = r;
  c.hintFen = controllore().currentFen();
  c.hintStatus = t("P_HINT") + QStringLiteral(" ") + QString::fromStdString(r.san);
  addStatus(c.hintStatus);
  // The marks as they are, with the arrow: the chosen piece's targets stay
  // (they cannot be looked up while a search runs).
  SquareMarks marks = Panel1->marks();
  marks.hint = hintArrow();
  Panel1->setMarks(marks);
  Panel1->disegnascena(true);
}

void TZefiran_3D::clearHint() {
  CoachState& c = coach();
  c.hint = SearchReport{};
  c.hintFen.clear();
  if (c.hintStatus.isEmpty()) return;
  // Its line goes from the strip; the other lines stay.
  QStringList lines = Panel11->text().split(QLatin1Char('\n'));
  lines.removeAll(c.hintStatus);
  Panel11->setText(lines.join(QLatin1Char('\n')));
  c.hintStatus.clear();
}

// ---- the analysis ----

void TZefiran_3D::analyseClick(bool on) {
  GameController& session = controllore();
  CoachState& c = coach();
  if (busy()) {
    c.analyseAction->setChecked(c.analysis.on());
    return;
  }
  // The engine thinking of its own move stops, and plays nothing: in
  // analysis both sides are the person's.
  if (on && session.searching() && !session.coachSearching()) session.whenIdle([] {}, true);
  c.analysis.setOn(session, on);
  c.analyseAction->setChecked(on);
  c.hintWanted = false;
  updateCoachMode();
  c.panel->setVisible(on);
  showAnalysis();
  showCoach();
}

bool TZefiran_3D::analysing() const { return coach_ && coach_->analysis.on(); }

void TZefiran_3D::showAnalysis() {
  CoachState& c = coach();
  const SearchReport* r = c.analysis.on() ? c.analysis.latest(controllore()) : nullptr;
  c.panel->showReport(r);
  if (r && c.hintWanted) showHint(*r);
  showCoach();
}

// ---- the review ----

void TZefiran_3D::reviewClick() {
  if (busy()) return;
  showSidePage("review");
}

void TZefiran_3D::startReview(int moveTimeMs) {
  if (busy() || editing()) return;
  GameController& session = controllore();
  // A search running (the engine's move, or the analysis) stops first; the
  // engine's move is not played, as the review has the board now.
  if (session.searching()) {
    session.whenIdle([this, moveTimeMs] { startReview(moveTimeMs); }, true);
    return;
  }
  CoachState& c = coach();
  if (!c.review.start(session, moveTimeMs)) {
    c.page->setSummary(t("P_REVIEWNOGAME"));
    return;
  }
  clearHint();
  c.page->setRunning(true);
  c.page->setSummary(QString());
  updateCoachMode();
  reviewStepped();
}

void TZefiran_3D::stopReview() {
  CoachState& c = coach();
  c.review.stop(controllore());
  reviewStepped();
}

void TZefiran_3D::reviewStepped() {
  CoachState& c = coach();
  c.page->setProgress(c.review.scored(), c.review.positions());
  if (!c.review.running()) {
    updateCoachMode();
    c.page->setRunning(false);
    const GameController& session = controllore();
    if (c.review.done())
      c.page->setSummary(markCount(t("P_WHITE"), c.review.marks(), true, session.blackStarts()) + QStringLiteral("\n") +
                         markCount(t("P_BLACK"), c.review.marks(), false, session.blackStarts()));
    else if (c.page->summary().isEmpty())
      c.page->setSummary(t("P_REVIEWSTOPPED"));
  }
  showCoach();
}

// ---- the position shown ----

void TZefiran_3D::showCoach() {
  if (!coach_) return;
  CoachState& c = coach();
  const GameController& session = controllore();
  if (!c.hintFen.empty() && c.hintFen != session.currentFen()) clearHint();
  const bool reviewed = c.review.scored() > 0 && c.review.matches(session);
  if (c.graph) {
    if (reviewed) c.graph->setScores(c.review.scores(), c.review.marks());
    c.graph->setCurrent(session.shownMove());
    c.graph->setVisible(reviewed);
  }
  if (c.bar) {
    std::optional<int> score;
    if (const SearchReport* r = c.analysis.on() ? c.analysis.latest(session) : nullptr) {
      score = r->score;
    } else if (reviewed) {
      const int s = c.review.scores()[static_cast<size_t>(session.shownMove())];
      if (s != NOT_SCORED) score = s;
    }
    c.bar->setScore(score, session.whiteToMove());
    c.bar->setVisible(c.analysis.on() || reviewed);
  }
}
