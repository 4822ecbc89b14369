// The coach in the window: a hint asked for with its key, the analysis
// following what the board shows while a person moves through the real
// pointer, and a review with its page, its graph and the saved game.
#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "game/coachsearch.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/analysispanel.h"
#include "ui/reviewpage.h"
#include "ui/scorebar.h"
#include "ui/scoregraph.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::playCoord;
using zeftest::sq;
using zeftest::squarePoint;
using zeftest::t;
using zeftest::WindowTest;

class CoachWindow : public WindowTest {
 protected:
  // Two people at the board.
  TZefiran_3D& openForTwo() {
    TZefiran_3D& f = openWindow(1024, 768);
    component<QAction>(f, "Umano2")->trigger();
    return f;
  }
  void save(const QString& name) const {
    const char* d = std::getenv("ZEF_SCREENSHOTS");
    if (!d) return;
    QDir().mkpath(QString::fromLocal8Bit(d));
    w->grab().save(QString::fromLocal8Bit(d) + "/" + name);
  }
  BoardView* board() const { return component<BoardView>(*w, "Panel1"); }
  QString status() const { return component<QLabel>(*w, "Panel11")->text(); }
};

TEST_F(CoachWindow, TheHintKeyDrawsTheEnginesMoveAsAnArrowAndSaysItUntilTheBoardChanges) {
  TZefiran_3D& f = openForTwo();
  for (const char* m : {"e2e4", "e7e5", "g1f3"}) ASSERT_EQ(playCoord(controllore(), m), MoveAttempt::played);
  // The key reaches the window through the focus sink under the board.
  QTest::keyClick(component<QLineEdit>(f, "Edit1"), Qt::Key_H);
  const HintArrow arrow = board()->marks().hint;
  ASSERT_TRUE(arrow.shown()) << status().toStdString();
  EXPECT_LT(controllore().pieceAt(arrow.from), 0) << "a piece of Black's, to move";
  const std::vector<int> targets = controllore().targets(arrow.from);
  EXPECT_NE(std::find(targets.begin(), targets.end(), arrow.to), targets.end()) << "a legal move";
  EXPECT_TRUE(status().contains(t("P_HINT") + " ")) << status().toStdString();
  EXPECT_EQ(controllore().recordedMoves(), 3) << "the hint plays nothing";
  save("coach_hint.png");
  // The flat board draws the same arrow.
  component<QAction>(f, "scacchiera2D1")->trigger();
  EXPECT_EQ(board()->marks().hint.from, arrow.from);
  EXPECT_EQ(board()->marks().hint.to, arrow.to);
  save("coach_hint_flat.png");

  // Playing the suggested move takes the arrow and its line away.
  const QString line = status();
  ASSERT_EQ(controllore().humanMove(arrow.from, arrow.to, Promotion::none), MoveAttempt::played);
  EXPECT_FALSE(board()->marks().hint.shown());
  EXPECT_FALSE(status().contains(t("P_HINT"))) << status().toStdString();
}

TEST_F(CoachWindow, TheAnalysisFollowsTheBoardThroughBrowsingAndARealMoveAndStopsWhenLeft) {
  TZefiran_3D& f = openForTwo();
  for (const char* m : {"e2e4", "e7e5"}) ASSERT_EQ(playCoord(controllore(), m), MoveAttempt::played);
  controllore().setPlayer(true, true);  // the engine would be to move
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  ASSERT_FALSE(xdotool.isEmpty()) << "scripts/setup installs xdotool";
  auto* panel = component<AnalysisPanel>(f, "analysisPanel");
  auto* bar = component<ScoreBar>(f, "scoreBar");
  const auto screenPoint = [&](const char* square) {
    return board()->mapToGlobal(squarePoint(sq(square), board()->width(), board()->height()));
  };

  // The analysis runs inside the event loop without end: the script reads
  // and acts from a timer of its own, as a person would meanwhile.
  std::vector<std::string> lines;
  int step = 0;
  bool barSeen = false;
  QTimer script;
  QObject::connect(&script, &QTimer::timeout, [&] {
    const QString line = panel->lineText();
    if (!panel->scoreText().startsWith(t("P_DEPTH"))) return;
    switch (step) {
      case 0:
        if (!line.startsWith("2. ")) return;
        lines.push_back(line.toStdString());
        barSeen = bar->isVisible() && bar->score().has_value();
        QTest::mouseClick(component<QPushButton>(f, "gridBack"), Qt::LeftButton);
        ++step;
        break;
      case 1: {
        if (!line.startsWith("1... ")) return;
        lines.push_back(line.toStdString());
        // Black answers otherwise, through the real pointer: e7 to e6.
        const QPoint a = screenPoint("e7"), b = screenPoint("e6");
        QProcess::startDetached(xdotool, {"mousemove",
                                          "--sync",
                                          QString::number(a.x()),
                                          QString::number(a.y()),
                                          "mousedown",
                                          "1",
                                          "sleep",
                                          "0.2",
                                          "mousemove",
                                          "--sync",
                                          QString::number((a.x() + b.x()) / 2),
                                          QString::number((a.y() + b.y()) / 2),
                                          "sleep",
                                          "0.2",
                                          "mousemove",
                                          "--sync",
                                          QString::number(b.x()),
                                          QString::number(b.y()),
                                          "sleep",
                                          "0.2",
                                          "mouseup",
                                          "1"});
        ++step;
        break;
      }
      case 2:
        if (controllore().recordedMoves() != 2 || controllore().moveText(2) != "e6" || !line.startsWith("2. ")) return;
        lines.push_back(line.toStdString());
        save("coach_analysis.png");
        component<QAction>(f, "analyse")->trigger();  // leaves the analysis
        ++step;
        break;
      default: break;
    }
  });
  script.start(50);
  component<QAction>(f, "analyse")->trigger();
  ASSERT_TRUE(waitFor([&] { return step == 3 && !controllore().searching(); }, 90000))
      << "step " << step << ": " << panel->lineText().toStdString();
  script.stop();
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_TRUE(barSeen) << "the score bar beside the board";
  EXPECT_EQ(controllore().moveText(1), "e4");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(component<QAction>(f, "analyse")->isChecked());
  // Out of analysis the engine plays its side again.
  EXPECT_TRUE(waitFor([] { return controllore().recordedMoves() == 3; }, 30000));

  // Choosing the engine for the other side resumes the game too: the
  // analysis ends and the engine answers.
  bool engineChosen = false;
  QTimer chooser;
  QObject::connect(&chooser, &QTimer::timeout, [&] {
    if (engineChosen || !panel->scoreText().startsWith(t("P_DEPTH"))) return;
    engineChosen = true;
    component<QAction>(f, "Dralen2")->trigger();
  });
  chooser.start(50);
  component<QAction>(f, "analyse")->trigger();
  EXPECT_TRUE(waitFor([&] { return engineChosen && controllore().recordedMoves() == 4; }, 60000));
  EXPECT_FALSE(component<QAction>(f, "analyse")->isChecked());
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(CoachWindow, AReviewMarksTheBlunderDrawsItsGraphGoesToAClickedMoveAndSavesTheMarks) {
  TZefiran_3D& f = openWindow(1024, 768);
  ModalCloser closer;
  folder.write("blunder.pgn",
               "[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n");
  ASSERT_TRUE(f.openPgn(QString::fromStdString(folder.file("blunder.pgn"))));
  component<QAction>(f, "reviewGame")->trigger();
  auto* pages = component<QStackedWidget>(f, "Notebook2");
  ASSERT_EQ(pages->currentWidget()->objectName(), "review");
  component<QDoubleSpinBox>(f, "reviewTime")->setValue(0.1);
  QTest::mouseClick(component<QPushButton>(f, "reviewStart"), Qt::LeftButton);
  ASSERT_EQ(controllore().coachMode(), CoachMode::review);
  ASSERT_TRUE(waitFor([] { return controllore().coachMode() == CoachMode::none; }, 60000));
  const QString summary = component<QLabel>(f, "reviewSummary")->text();
  // The quick search may find a small loss elsewhere; 3... Nf6 is the blunder.
  EXPECT_TRUE(summary.contains(QRegularExpression("\\n" + t("P_BLACK") + ": \\d+ \\?!, \\d+ \\?, 1 \\?\\?$")))
      << summary.toStdString();
  auto* graph = component<ScoreGraph>(f, "scoreGraph");
  ASSERT_TRUE(graph->isVisible());
  EXPECT_EQ(controllore().shownMove(), 7) << "back where the board was";
  save("coach_review.png");

  // A click on the graph shows the position after that half-move.
  QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, graph->pointOf(5));
  EXPECT_TRUE(waitFor([] { return controllore().shownMove() == 5; }, 2000)) << controllore().shownMove();

  ASSERT_TRUE(f.savePgnTo(QString::fromStdString(folder.file("reviewed.pgn"))));
  std::string saved = folder.read("reviewed.pgn");
  std::replace(saved.begin(), saved.end(), '\n', ' ');  // wherever the lines break
  EXPECT_NE(saved.find("Nf6 $4 {[%eval"), std::string::npos) << saved;
}

}  // namespace
