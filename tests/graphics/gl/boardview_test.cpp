#include "graphics/gl/boardview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "engine/position/position.h"
#include "graphics/core/angles.h"
#include "graphics/core/boardmarks.h"
#include "graphics/core/picking.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/core/skinfile.h"
#include "support/engine_fixture.h"

namespace {

constexpr int W = 800, H = 600;

// Colours of the test skin, one plain colour per tile and swatch.
enum Classe { Rosso, Verde, Blu, Giallo, Ciano, Bianco, Nero, Magenta, Arancio, Viola, Sfondo, Altro };
const char* nomi[] = {"red",   "green",   "blue",   "yellow", "cyan",       "white",
                      "black", "magenta", "orange", "purple", "background", "other"};

Classe classifica(QRgb p) {
  const int r = qRed(p), g = qGreen(p), b = qBlue(p);
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (std::abs(r - 204) < 6 && std::abs(g - 204) < 6 && b > 248) return Sfondo;
  if (hi - lo < 40) return lo > 150 ? Bianco : (hi < 90 ? Nero : Altro);
  const bool R = r > 100, G = g > 100, B = b > 100;
  if (R && !G && !B && g < 50 && b < 50) return Rosso;
  if (R && g >= 50 && g <= 170 && b < 50) return Arancio;
  if (R && G && b < 60) return Giallo;
  if (G && !R && !B) return Verde;
  if (B && !R && !G) return Blu;
  if (G && B && r < 60) return Ciano;
  if (R && B && g < 60) return r > 200 ? Magenta : Viola;
  return Altro;
}

std::string scriviskin(const std::string& nome) {
  constexpr int T = 32;
  Skin s;
  s.width = 7 * T;
  s.height = T;
  s.rgb.resize(static_cast<size_t>(s.width) * T * 3);
  const QRgb tile[7] = {qRgb(0, 0, 220),   qRgb(220, 0, 0),   qRgb(0, 220, 0),    qRgb(220, 220, 0),
                        qRgb(0, 220, 220), qRgb(150, 0, 150), qRgb(128, 128, 128)};
  const QRgb swatch[4] = {qRgb(250, 250, 250), qRgb(250, 0, 250), qRgb(30, 30, 30), qRgb(250, 128, 0)};
  for (int y = 0; y < T; ++y)
    for (int x = 0; x < 7 * T; ++x) {
      QRgb c = tile[x / T];
      if (x / T == 5 && y >= T / 2) c = swatch[(x % T) / (T / 4)];
      uint8_t* p = &s.rgb[(static_cast<size_t>(y) * s.width + x) * 3];
      p[0] = static_cast<uint8_t>(qRed(c));
      p[1] = static_cast<uint8_t>(qGreen(c));
      p[2] = static_cast<uint8_t>(qBlue(c));
    }
  const std::string percorso = zeftest::tempPath(nome);
  const std::vector<uint8_t> bmp = encodeBmp(s);
  std::ofstream f(percorso, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  return percorso;
}

QString cartellafoto() {
  const char* d = std::getenv("ZEF_SCREENSHOTS");
  const QString c = d ? QString::fromLocal8Bit(d) : QString::fromStdString(::testing::TempDir()) + "zefiran_shots";
  QDir().mkpath(c);
  return c;
}

class Vista : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    vista_ = new BoardView;
    skin_ = scriviskin("zef_gl_test.usk");
    // Loaded before the surface exists: the texture is made at initialisation.
    EXPECT_TRUE(vista_->caricaskin(QString::fromStdString(skin_)));
    vista_->resize(W, H);
    vista_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vista_));
  }
  static void TearDownTestSuite() {
    delete vista_;
    vista_ = nullptr;
  }
  void SetUp() override {
    zeftest::setUp(STARTFEN);
    casellasotto = casellascelta = -1;
    partita.inricerca = 0;
    ASSERT_TRUE(vista_->caricaskin(QString::fromStdString(skin_)));
    vista_->modoedita(false);
    piatta();
  }
  void TearDown() override {
    partita.inricerca = 0;
    casellasotto = casellascelta = -1;
  }
  static void piatta() {
    vista = VISTA_PIATTA;
    vistapiatta();
    costruiscipezzi();
  }
  static void solida() {
    vista = VISTA_3D;
    vista3d();
    costruiscipezzi();
  }
  QImage foto() {
    QImage i = vista_->grabFramebuffer();
    EXPECT_EQ(i.width(), W);
    EXPECT_EQ(i.height(), H);
    return i;
  }
  // Screen point of a board point in the flat view, worked out from the
  // eye 12 units above the board with a 45° field: s pixels per square.
  static QPoint piano(float x, float z) {
    const double s = (H / 2.0) / (12.0 * std::tan(22.5 * M_PI / 180.0));
    const double verso = rotazione < 180 ? -1 : 1;
    return QPoint(static_cast<int>(std::lround(W / 2.0 + verso * x * s)),
                  static_cast<int>(std::lround(H / 2.0 + verso * z * s)));
  }
  // Centre of a square plus an offset in squares (dx right along files, dz
  // toward rank 1).
  static QPoint casella(const char* nome, float dx = 0, float dz = 0) {
    const int sq = zeftest::sq(nome);
    return piano(static_cast<float>(sq & 7) - 3.5f + dx, 3.5f - static_cast<float>(sq >> 3) + dz);
  }
  static QPoint proiettato(float x, float y, float z) {
    float px = 0, py = 0;
    EXPECT_TRUE(projectPoint(x, y, z, W, H, px, py));
    return QPoint(static_cast<int>(px), static_cast<int>(py));
  }
  static QPoint solido(const char* nome, float y, float dz = 0) {
    const int sq = zeftest::sq(nome);
    return proiettato(static_cast<float>(sq & 7) - 3.5f, y, 3.5f - static_cast<float>(sq >> 3) + dz);
  }
  static Classe a(const QImage& i, QPoint p) { return classifica(i.pixel(p)); }

  static BoardView* vista_;
  static std::string skin_;
};
BoardView* Vista::vista_ = nullptr;
std::string Vista::skin_;

#define EXPECT_CLASS(img, pt, cls) \
  EXPECT_EQ(nomi[a(img, pt)], std::string(nomi[cls])) << "at (" << (pt).x() << ", " << (pt).y() << ") " << #pt

TEST_F(Vista, FlatStartPosition) {
  const QImage i = foto();
  i.save(cartellafoto() + "/testskin_flat.png");
  // a1 dark at the lower left, h1 and a8 light, the corners clear of the rooks.
  EXPECT_LT(casella("a1").x(), W / 2);
  EXPECT_GT(casella("a1").y(), H / 2);
  EXPECT_CLASS(i, casella("a1", -0.42f, 0.42f), Rosso);
  EXPECT_CLASS(i, casella("h1", 0.42f, 0.42f), Verde);
  EXPECT_CLASS(i, casella("a8", -0.42f, -0.42f), Verde);
  EXPECT_CLASS(i, casella("h8", 0.42f, -0.42f), Rosso);
  // Empty squares in the middle.
  EXPECT_CLASS(i, casella("d4"), Rosso);
  EXPECT_CLASS(i, casella("e4"), Verde);
  EXPECT_CLASS(i, casella("e5"), Rosso);
  // Pieces on their squares in their colours.
  for (const char* s : {"a1", "e1", "h1", "a2", "e2", "h2"}) EXPECT_CLASS(i, casella(s), Bianco) << s;
  for (const char* s : {"a8", "e8", "h8", "a7", "e7", "h7"}) EXPECT_CLASS(i, casella(s), Nero) << s;
  // The frame's border, the name plate below rank 1, the background beside.
  EXPECT_CLASS(i, piano(-4.5f, 0.5f), Blu);
  EXPECT_CLASS(i, piano(4.5f, -2.5f), Blu);
  EXPECT_CLASS(i, piano(0, 4.6f), Viola);
  EXPECT_CLASS(i, piano(-2, 4.6f), Blu);
  EXPECT_CLASS(i, QPoint(10, H / 2), Sfondo);
  EXPECT_EQ(facce, 101 + 16 * 102 + 4 * 43 + 4 * 99 + 2 * 132 + 4 * 84 + 2 * 106);
  EXPECT_EQ(ridisegna, 0);
}

TEST_F(Vista, HoveredAndPickedSquaresShowTheHighlightTiles) {
  casellasotto = zeftest::sq("e4");
  casellascelta = zeftest::sq("d4");
  QImage i = foto();
  EXPECT_CLASS(i, casella("e4"), Ciano);
  EXPECT_CLASS(i, casella("d4"), Giallo);
  EXPECT_CLASS(i, casella("e5"), Rosso);
  // Under a piece the highlight shows around the symbol.
  casellascelta = zeftest::sq("e2");
  i = foto();
  EXPECT_CLASS(i, casella("e2", 0.42f, 0.42f), Ciano);  // e2 is a light square
  EXPECT_CLASS(i, casella("e2"), Bianco);
  EXPECT_CLASS(i, casella("d4"), Rosso);
  // Hovered and picked at once: still the single highlight.
  casellasotto = casellascelta = zeftest::sq("d4");
  i = foto();
  EXPECT_CLASS(i, casella("d4"), Giallo);
  EXPECT_CLASS(i, casella("e4"), Verde);
}

TEST_F(Vista, LastMoveSwatch) {
  zeftest::setUp("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2");
  posizioni[0].lastmove = mvMake(zeftest::sq("e7"), zeftest::sq("e5"));
  QImage i = foto();
  EXPECT_CLASS(i, casella("e5"), Arancio);
  EXPECT_CLASS(i, casella("e4"), Bianco);
  EXPECT_CLASS(i, casella("d7"), Nero);
  posizioni[0].lastmove = mvMake(zeftest::sq("e2"), zeftest::sq("e4"));
  i = foto();
  EXPECT_CLASS(i, casella("e4"), Magenta);
  EXPECT_CLASS(i, casella("e5"), Nero);
}

TEST_F(Vista, HalfTurnShowsTheBoardFromBlacksSide) {
  ruota180();
  EXPECT_EQ(rotazione, 90.0f);
  const QImage i = foto();
  // a1 is now at the upper right, h8 at the lower left.
  EXPECT_GT(casella("a1").x(), W / 2);
  EXPECT_LT(casella("a1").y(), H / 2);
  EXPECT_CLASS(i, casella("a1", -0.42f, 0.42f), Rosso);
  EXPECT_CLASS(i, casella("h8", 0.42f, -0.42f), Rosso);
  EXPECT_CLASS(i, casella("h1", 0.42f, 0.42f), Verde);
  // The mirrored symbols still show (front faces culled instead of back).
  for (const char* s : {"a1", "e1", "e2", "h2"}) EXPECT_CLASS(i, casella(s), Bianco) << s;
  for (const char* s : {"a8", "e8", "e7", "h7"}) EXPECT_CLASS(i, casella(s), Nero) << s;
  // The name plate stays on White's side, now at the top.
  EXPECT_CLASS(i, piano(0, 4.6f), Viola);
  EXPECT_LT(piano(0, 4.6f).y(), H / 2);
}

TEST_F(Vista, SolidViewNearRankLowerAndWider) {
  zeftest::setUp("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
  solida();
  const QImage i = foto();
  // Board rows: the first and last rows with anything but background, and
  // the board's width a little inside each.
  int primo = -1, ultimo = -1;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (a(i, QPoint(x, y)) == Blu) {
        if (primo < 0) primo = y;
        ultimo = y;
        break;
      }
  ASSERT_GE(primo, 0);
  const auto larghezza = [&](int y) {
    int sx = -1, dx = -1;
    for (int x = 0; x < W; ++x)
      if (a(i, QPoint(x, y)) != Sfondo) {
        if (sx < 0) sx = x;
        dx = x;
      }
    return dx - sx;
  };
  const int lontana = larghezza(primo + 4), vicina = larghezza(ultimo - 4);
  EXPECT_GT(vicina, lontana * 13 / 10) << "near " << vicina << " far " << lontana;
  // The near edge lies further below the middle than the far edge above it.
  EXPECT_GT(ultimo - H / 2, H / 2 - primo);
  // Squares where the camera says they are.
  EXPECT_CLASS(i, proiettato(-3.9f, -1, 3.9f), Rosso);   // a1's near corner
  EXPECT_CLASS(i, proiettato(3.9f, -1, 3.9f), Verde);    // h1
  EXPECT_CLASS(i, proiettato(-3.9f, -1, -3.1f), Verde);  // a8
  EXPECT_CLASS(i, solido("d4", -1), Rosso);
  // The kings stand up from their squares.
  EXPECT_CLASS(i, solido("e1", 0.2f, 0.25f), Bianco);
  EXPECT_CLASS(i, solido("e8", 0.2f, 0.25f), Nero);
  EXPECT_EQ(facce, 101 + 2 * 682);
}

TEST_F(Vista, SolidStartPosition) {
  solida();
  const QImage i = foto();
  EXPECT_EQ(facce, 101 + 16 * 716 + 4 * 330 + 4 * 590 + 2 * 658 + 4 * 291 + 2 * 682);
  // Pawn heads (centre y -0.1, radius 0.2) seen from the front.
  for (const char* s : {"a2", "d2", "h2"}) EXPECT_CLASS(i, solido(s, -0.1f, 0.15f), Bianco) << s;
  for (const char* s : {"a7", "d7", "h7"}) EXPECT_CLASS(i, solido(s, -0.1f, 0.15f), Nero) << s;
  // Tall pieces: queen and king crowns above their back ranks.
  EXPECT_CLASS(i, solido("d1", 0.6f, 0.2f), Bianco);
  EXPECT_CLASS(i, solido("e8", 0.6f, 0.2f), Nero);
  EXPECT_CLASS(i, solido("d4", -1), Rosso);
  EXPECT_CLASS(i, solido("e4", -1), Verde);
}

TEST_F(Vista, RendererCameraMatchesTheCameraModel) {
  struct Caso {
    int v;
    float rot, elev, dist;
  };
  for (const Caso c : {Caso{VISTA_PIATTA, 270, 90, 11}, Caso{VISTA_PIATTA, 90, 90, 11}, Caso{VISTA_3D, 270, 60, 11.5f},
                       Caso{VISTA_3D, 35, 9, 14}, Caso{VISTA_3D, 360, 45, 8}}) {
    vista = c.v;
    rotazione = c.rot;
    elevazione = c.elev;
    distanza = c.dist;
    foto();
    float gl[16], atteso[16];
    vista_->makeCurrent();
    glGetFloatv(GL_MODELVIEW_MATRIX, gl);
    vista_->doneCurrent();
    cameraMatrix(atteso);
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(gl[k], atteso[k], 2e-5) << "rotation " << c.rot << " entry " << k;
  }
}

TEST_F(Vista, NonForcedFramesWaitWhileASearchRuns) {
  foto();
  partita.inricerca = 1;
  ridisegna = 1;
  vista_->disegnascena(false);
  EXPECT_EQ(ridisegna, 1);
  // A forced frame is drawn before the call returns, search or not.
  zeftest::setUp("8/8/8/8/8/8/8/8 w - - 0 1");
  vista_->disegnascena(true);
  EXPECT_EQ(ridisegna, 0);
  EXPECT_EQ(facce, 101);
  // And it is the frame Qt presents.
  casellasotto = zeftest::sq("d4");
  vista_->disegnascena(true);
  casellasotto = -1;
  QImage i = foto();
  EXPECT_CLASS(i, casella("d4"), Giallo);
  i = foto();
  EXPECT_CLASS(i, casella("d4"), Rosso);
  partita.inricerca = 0;
  ridisegna = 1;
  vista_->disegnascena(false);
  EXPECT_EQ(ridisegna, 0);
}

TEST_F(Vista, EditModeBackground) {
  vista_->modoedita(true);
  QImage i = foto();
  const QRgb p = i.pixel(10, H / 2);
  EXPECT_EQ(qRed(p), 255);
  EXPECT_EQ(qGreen(p), 0);
  EXPECT_EQ(qBlue(p), 0);
  vista_->modoedita(false);
  i = foto();
  EXPECT_CLASS(i, QPoint(10, H / 2), Sfondo);
}

TEST_F(Vista, FailedSkinKeepsThePreviousTexture) {
  QSignalSpy spia(vista_, &BoardView::messaggioskin);
  const std::string cattiva = zeftest::tempPath("bad_skin.usk");
  {
    std::ofstream f(cattiva, std::ios::binary);
    f << "\x89PNG\r\n\x1a\n not a bitmap at all, just some bytes to fill the header out to 54 and more";
  }
  EXPECT_FALSE(vista_->caricaskin(QString::fromStdString(cattiva)));
  ASSERT_EQ(spia.count(), 1);
  const QString testo = spia.at(0).at(0).toString();
  EXPECT_TRUE(testo.contains("bad_skin.usk")) << testo.toStdString();
  EXPECT_FALSE(testo.contains('\n'));
  EXPECT_EQ(vista_->ultimoerrore(), testo);
  EXPECT_FALSE(vista_->caricaskin(QString::fromStdString(zeftest::tempPath("missing.usk"))));
  EXPECT_EQ(spia.count(), 2);
  const QImage i = foto();
  EXPECT_CLASS(i, casella("d4"), Rosso);
  EXPECT_CLASS(i, piano(-4.5f, 0.5f), Blu);
}

TEST_F(Vista, BuiltInTextureBeforeAnySkin) {
  BoardView nuova;
  nuova.resize(320, 240);
  nuova.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&nuova));
  const QImage i = nuova.grabFramebuffer();
  // The plain skin: brown dark squares, pale light squares.
  const double s = (240 / 2.0) / (12.0 * std::tan(22.5 * M_PI / 180.0));
  const QRgb d4 = i.pixel(static_cast<int>(160 - 0.5 * s), static_cast<int>(120 + 0.5 * s));
  const QRgb e4 = i.pixel(static_cast<int>(160 + 0.5 * s), static_cast<int>(120 + 0.5 * s));
  EXPECT_GT(qRed(d4), qBlue(d4) + 40);
  EXPECT_GT(qGray(e4), qGray(d4) + 50);
  EXPECT_EQ(nuova.skinWidth(), defaultSkin().width);
}

// Renders the shipped skins in both views and keeps the pictures
// (ZEF_SCREENSHOTS names the folder). The shipped swatches must still tell
// White from Black on the board.
TEST_F(Vista, ShippedSkinsInBothViews) {
  const QString cartella = cartellafoto();
  for (const char* nome : {"default", "marble"}) {
    const QString file = QString(ZEF_SOURCE_DIR) + "/data/skins/" + nome + ".usk";
    ASSERT_TRUE(vista_->caricaskin(file)) << vista_->ultimoerrore().toStdString();
    zeftest::setUp("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
    posizioni[0].lastmove = mvMake(zeftest::sq("b8"), zeftest::sq("c6"));
    casellasotto = zeftest::sq("d4");
    piatta();
    QImage i = foto();
    EXPECT_TRUE(i.save(cartella + "/" + nome + "_flat.png"));
    EXPECT_GT(qGray(i.pixel(casella("e2"))), qGray(i.pixel(casella("e7"))) + 100) << nome;
    ruota180();
    i = foto();
    EXPECT_TRUE(i.save(cartella + "/" + nome + "_flat_turned.png"));
    EXPECT_GT(qGray(i.pixel(casella("e1"))), qGray(i.pixel(casella("e8"))) + 100) << nome;
    solida();
    i = foto();
    EXPECT_TRUE(i.save(cartella + "/" + nome + "_3d.png"));
    EXPECT_GT(qGray(i.pixel(solido("d2", -0.1f, 0.15f))), qGray(i.pixel(solido("d7", -0.1f, 0.15f))) + 80) << nome;
    rotazione = 320;
    elevazione = 30;
    i = foto();
    EXPECT_TRUE(i.save(cartella + "/" + nome + "_3d_turned.png"));
  }
}

// The picker, fed the matrices the context holds after a frame, names for
// every point of the panel the square the frame shows there: a dark square
// for a dark one, a light for a light, and nothing over the frame, the
// plate, the labels and the background. Points within two pixels of a
// square's edge are left out (the rasteriser may give them either side).
TEST_F(Vista, PointerPicksTheSquareDrawnUnderIt) {
  zeftest::setUp("8/8/8/8/8/8/8/8 w - - 0 1");
  struct Caso {
    int v;
    float rot, elev, dist;
  };
  for (const Caso c : {Caso{VISTA_PIATTA, 270, 90, 11}, Caso{VISTA_PIATTA, 90, 90, 11}, Caso{VISTA_3D, 270, 60, 11.5f},
                       Caso{VISTA_3D, 90, 60, 11.5f}, Caso{VISTA_3D, 35, 20, 9}, Caso{VISTA_3D, 200, 9, 16},
                       Caso{VISTA_3D, 310, 75, 6}}) {
    SCOPED_TRACE("turn " + std::to_string(c.rot) + " tilt " + std::to_string(c.elev));
    vista = c.v;
    rotazione = c.rot;
    elevazione = c.elev;
    distanza = c.dist;
    const QImage i = foto();
    float pr[16], mv[16];
    vista_->makeCurrent();
    glGetFloatv(GL_PROJECTION_MATRIX, pr);
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    vista_->doneCurrent();
    const auto scelta = [&](int x, int y) {
      return squareOnRay(pr, mv, static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, W, H);
    };
    int caselle = 0, fuori = 0;
    for (int y = 3; y < H - 3; y += 7)
      for (int x = 3; x < W - 3; x += 7) {
        const int s = scelta(x, y);
        bool interno = true;
        for (const QPoint d : {QPoint(-2, -2), QPoint(2, -2), QPoint(-2, 2), QPoint(2, 2)})
          interno = interno && scelta(x + d.x(), y + d.y()) == s;
        if (!interno) continue;
        const Classe k = a(i, QPoint(x, y));
        if (s >= 0) {
          ++caselle;
          const bool chiara = ((s & 7) + (s >> 3)) & 1;
          ASSERT_EQ(nomi[k], std::string(nomi[chiara ? Verde : Rosso])) << "square " << s << " at " << x << "," << y;
        } else {
          ++fuori;
          ASSERT_NE(k, Rosso) << x << "," << y;
          ASSERT_NE(k, Verde) << x << "," << y;
        }
      }
    EXPECT_GT(caselle, 100);
    EXPECT_GT(fuori, 100);
  }
}

TEST_F(Vista, TheKingInCheckIsMarkedInBothViews) {
  // The kings on light squares (green in the test skin), away from their symbols' outlines.
  const char* scacco = "6k1/8/8/8/8/8/8/5K1r w - - 0 1";
  const char* quiete = "6k1/8/8/8/8/8/8/5K2 w - - 0 1";
  for (const bool solido3d : {false, true}) {
    SCOPED_TRACE(solido3d ? "3D" : "flat");
    if (solido3d) solida();
    // Near the square's front corner, where the 3D king leaves it bare.
    const QPoint p = solido3d ? proiettato(1.5f + 0.42f, -1, 3.5f + 0.42f) : casella("f1", 0.4f, 0.4f);
    zeftest::setUp(quiete);
    EXPECT_CLASS(foto(), p, Verde);
    zeftest::setUp(scacco);
    const QImage i = foto();
    i.save(cartellafoto() + (solido3d ? "/check_3d.png" : "/check_flat.png"));
    const QRgb c = i.pixel(p);
    EXPECT_GT(qRed(c), 150) << "red over the king's square";
    EXPECT_LT(qGreen(c), 120);
    EXPECT_GT(qGreen(c), 20) << "the square still shows through";
    // The checking rook's square and Black's king are not marked.
    EXPECT_CLASS(i, solido3d ? proiettato(3.5f + 0.42f, -1, 3.5f + 0.42f) : casella("h1", 0.4f, 0.4f), Verde);
    EXPECT_CLASS(i, solido3d ? proiettato(2.5f - 0.42f, -1, -3.5f + 0.42f) : casella("g8", -0.4f, 0.4f), Verde);
    // The king stands in front of the mark.
    if (!solido3d) {
      EXPECT_CLASS(i, casella("f1"), Bianco);
    }
  }
}

TEST_F(Vista, CoordinatesOnTheFrameTurnWithTheBoard) {
  zeftest::setUp("8/8/8/8/8/8/8/8 w - - 0 1");
  // Label-coloured pixels (white on the test skin's dark blue frame) inside
  // a label's square around board point (x, z).
  const auto inchiostro = [&](const QImage& i, float x, float z) {
    int n = 0;
    for (float dx = -0.15f; dx <= 0.15f; dx += 0.02f)
      for (float dz = -0.15f; dz <= 0.15f; dz += 0.02f)
        if (a(i, piano(x + dx, z + dz)) == Bianco) ++n;
    return n;
  };
  QImage i = foto();
  // "a" under a1 and over a8, "1" left and right of rank 1; nothing between labels.
  EXPECT_GT(inchiostro(i, -3.5f, CENTRO_ETICHETTE), 10);
  EXPECT_GT(inchiostro(i, -3.5f, -CENTRO_ETICHETTE), 10);
  EXPECT_GT(inchiostro(i, -CENTRO_ETICHETTE, 3.5f), 10);
  EXPECT_GT(inchiostro(i, CENTRO_ETICHETTE, 3.5f), 10);
  EXPECT_EQ(inchiostro(i, -3.0f, CENTRO_ETICHETTE), 0);
  EXPECT_EQ(inchiostro(i, -4.7f, 4.7f), 0) << "the frame's corner";
  // A "7" carries its ink high (the bar on top): after the half turn the
  // label of rank 7 beside file a, now on the right, still does.
  const auto alto = [&](const QImage& im) {
    const QPoint c = piano(-CENTRO_ETICHETTE, -2.5f);
    const int r = static_cast<int>(std::fabs(piano(MEZZA_ETICHETTA, 0).x() - piano(0, 0).x()));
    long somma = 0, n = 0;
    for (int y = c.y() - r; y <= c.y() + r; ++y)
      for (int x = c.x() - r; x <= c.x() + r; ++x)
        if (a(im, QPoint(x, y)) == Bianco) {
          somma += y - c.y();
          ++n;
        }
    EXPECT_GT(n, 20);
    return n > 0 ? static_cast<double>(somma) / n : 0.0;
  };
  EXPECT_LT(alto(i), -1.0);
  ruota180();
  i = foto();
  i.save(cartellafoto() + "/labels_flat_turned.png");
  EXPECT_GT(piano(-CENTRO_ETICHETTE, -2.5f).x(), W / 2);
  EXPECT_LT(alto(i), -1.0) << "the glyph stands upright, not on its head";
}

}  // namespace

TEST_F(Vista, TheHintArrowRunsFromSquareToSquareOverThePiecesInBothViews) {
  const auto blue = [](QRgb p) { return qBlue(p) > 120 && qBlue(p) > qRed(p) + 30 && qBlue(p) > qGreen(p) + 15; };
  for (const bool solido3d : {false, true}) {
    SCOPED_TRACE(solido3d ? "3D" : "flat");
    if (solido3d) solida();
    // Along g1-f3: halfway, and just beyond the tail gap over the knight on g1.
    const auto along = [&](float share) {
      const float x = 2.5f + (1.5f - 2.5f) * share, z = 3.5f + (1.5f - 3.5f) * share;
      return solido3d ? proiettato(x, -1, z) : piano(x, z);
    };
    const QPoint middle = along(0.5f), overKnight = along(0.15f);
    const QPoint aside = solido3d ? solido("h3", -1) : casella("h3");
    SquareMarks marks;
    vista_->setMarks(marks);
    vista_->disegnascena(true);
    const QImage before = foto();
    EXPECT_FALSE(blue(before.pixel(middle)));
    marks.hint = HintArrow{zeftest::sq("g1"), zeftest::sq("f3")};
    vista_->setMarks(marks);
    vista_->disegnascena(true);
    const QImage i = foto();
    i.save(cartellafoto() + (solido3d ? "/hint_3d.png" : "/hint_flat.png"));
    EXPECT_TRUE(blue(i.pixel(middle))) << std::hex << i.pixel(middle);
    EXPECT_TRUE(blue(i.pixel(overKnight))) << std::hex << i.pixel(overKnight);
    EXPECT_EQ(i.pixel(aside), before.pixel(aside)) << "nothing else changes";
    vista_->setMarks(SquareMarks{});
  }
}
