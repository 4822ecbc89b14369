// Moves made as on a modern board, through the X server's pointer: a piece
// pressed, carried and released on its target in both views at several
// cameras, a drop where it cannot go, a click on a piece's head, and the
// marks a chosen piece and the last move leave.
#include <QAction>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "graphics/core/mesh.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::sq;
using zeftest::squarePoint;
using zeftest::WindowTest;

class Trascina : public WindowTest {
 protected:
  // Two people at the board, the real pointer at hand.
  TZefiran_3D& openForTwo() {
    TZefiran_3D& f = openWindow(1024, 768);
    component<QAction>(f, "Umano2")->trigger();
    xdotool_ = QStandardPaths::findExecutable("xdotool");
    EXPECT_FALSE(xdotool_.isEmpty()) << "scripts/setup installs xdotool";
    return f;
  }
  BoardView* board() const { return component<BoardView>(*w, "Panel1"); }
  QPoint screenPoint(int s) const { return board()->mapToGlobal(squarePoint(s, board()->width(), board()->height())); }
  void pointer(const QStringList& args) const { QProcess::execute(xdotool_, args); }
  void moveTo(const QPoint& g) const {
    pointer({"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())});
  }

  // Presses on one square, carries the piece over in steps (as a hand
  // does), and releases it on the other.
  void drag(int from, int to, const QString& picture = QString()) {
    const QPoint a = screenPoint(from), b = screenPoint(to);
    moveTo(a);
    pointer({"mousedown", "1"});
    for (int k = 1; k <= 6; ++k) {
      moveTo(a + (b - a) * k / 6);
      QTest::qWait(15);
    }
    if (!picture.isEmpty()) save(picture);
    pointer({"mouseup", "1"});
  }

  void save(const QString& name) const {
    const char* d = std::getenv("ZEF_SCREENSHOTS");
    if (!d) return;
    QDir().mkpath(QString::fromLocal8Bit(d));
    w->grab().save(QString::fromLocal8Bit(d) + "/" + name + ".png");
  }

  QString xdotool_;
};

TEST_F(Trascina, AGameByDragAndDropInBothViewsAtSeveralCameras) {
  TZefiran_3D& f = openForTwo();
  ModalCloser chiudi;
  // The scholar's mate, with the board seen from four places.
  const struct {
    const char* move;
    const char* camera;
  } game[] = {{"e2e4", "3D preset"},         {"e7e5", "3D preset"}, {"f1c4", "3D turned and low"},
              {"b8c6", "3D turned and low"}, {"d1h5", "flat"},      {"g8f6", "flat"},
              {"h5f7", "flat turned"}};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(std::string(game[i].move) + " in the " + game[i].camera + " view");
    if (i == 2) {
      rotazione = 35;
      elevazione = 30;
    }
    if (i == 4) component<QAction>(f, "scacchiera2D1")->trigger();
    if (i == 6) component<QAction>(f, "Ruota1801")->trigger();
    const int from = sq(game[i].move), to = sq(game[i].move + 2);
    if (i == 1) {
      // Dropped where it cannot go, the pawn goes back and stays chosen.
      drag(from, sq("e3"));
      ASSERT_TRUE(waitFor([] { return draggedPiece.square < 0; }, 3000));
      EXPECT_EQ(partita.count, 1);
      EXPECT_EQ(posizioni[0].board[from], -PAWN);
      EXPECT_EQ(casellascelta, from);
    }
    drag(from, to, i == 2 ? QStringLiteral("drag-3d") : i == 5 ? QStringLiteral("drag-flat") : QString());
    ASSERT_TRUE(waitFor([i] { return partita.count == i + 1; }, 5000)) << "the drop is the move";
    EXPECT_EQ(draggedPiece.square, -1);
    EXPECT_EQ(casellascelta, -1);
  }
  EXPECT_EQ(partita.movetext[6].str(), "Qxf7#");
  EXPECT_TRUE(controllore().over());
}

TEST_F(Trascina, APieceIsPickedByItsHeadAndNeck) {
  TZefiran_3D& f = openForTwo();
  component<QTimer>(f, "Timer1")->stop();
  // The tops of the drawn pawn and king, from their meshes.
  auto top = [](int mesh) {
    float y = -1.0f;
    for (const Quad& q : pezzi[mesh])
      for (const Vec3& p : q.p) y = std::max(y, p.y);
    return y;
  };
  const struct {
    const char* square;
    int mesh;
    float below;  // how far under the top: the head, or the neck
  } points[] = {{"d7", MESH_PEDONE, 0.05f}, {"e8", MESH_RE, 0.45f}, {"d2", MESH_PEDONE, 0.05f}};
  for (const auto& p : points) {
    SCOPED_TRACE(p.square);
    const int s = sq(p.square);
    const QPoint at = zeftest::boardPixel(static_cast<float>(s & 7) - 3.5f, top(p.mesh) - p.below,
                                          3.5f - static_cast<float>(s >> 3), board()->width(), board()->height());
    moveTo(board()->mapToGlobal(at));
    EXPECT_TRUE(waitFor([s] { return casellasotto == s; }, 3000)) << casellasotto;
  }
  // A click on the White pawn's head picks it up.
  pointer({"click", "1"});
  EXPECT_TRUE(waitFor([] { return casellascelta == sq("d2"); }, 3000)) << casellascelta;
}

TEST_F(Trascina, AChosenPieceShowsItsTargetsAndTheLastMoveIsTinted) {
  TZefiran_3D& f = openForTwo();
  component<QTimer>(f, "Timer1")->stop();
  impostafen("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", true);
  controllore().setPlayer(false, false);
  QTest::mouseClick(board(), Qt::LeftButton, {}, squarePoint(sq("e4"), board()->width(), board()->height()));
  ASSERT_EQ(casellascelta, sq("e4"));
  EXPECT_EQ(board()->marks().targets, std::vector<int>{sq("e5")});
  EXPECT_EQ(board()->marks().captures, std::vector<int>{sq("d5")});
  save("targets");
  QTest::mouseClick(board(), Qt::LeftButton, {}, squarePoint(sq("d5"), board()->width(), board()->height()));
  ASSERT_EQ(partita.count, 1);
  EXPECT_TRUE(board()->marks().targets.empty());
  EXPECT_EQ(board()->marks().lastFrom, sq("e4"));
  EXPECT_EQ(board()->marks().lastTo, sq("d5"));
}

}  // namespace
