// The window's part of the session around the board: whose turn it is, the
// material each side has taken, resigning and offering a draw, the question
// before a game in progress is thrown away, the sounds, and the preferences
// kept between runs.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>

#include "game/gamecontroller.h"
#include "graphics/core/pieces.h"
#include "graphics/core/scene.h"
#include "graphics/core/steering.h"
#include "graphics/gl/boardview.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "ui/discardquestion.h"
#include "ui/main.h"
#include "ui/movesounds.h"
#include "ui/playerpanel.h"
#include "ui/preferences.h"

namespace {

QString t(const char* key) { return QString::fromUtf8(testo(key)); }

// The figurine of a piece code, in its own colour.
QString figurine(int8_t piece) {
  static const char16_t WHITE[] = u" \u2659\u2658\u2657\u2656\u2655\u2654";
  static const char16_t BLACK[] = u" \u265F\u265E\u265D\u265C\u265B\u265A";
  const int type = piece < 0 ? -piece : piece;
  if (type < 1 || type > 6) return QString();
  return QString(QChar(piece > 0 ? WHITE[type] : BLACK[type]));
}

// Keys of the preferences.
constexpr const char* VIEW_MODE = "view/mode";
constexpr const char* VIEW_TURNED = "view/turned";
constexpr const char* CAMERA_ROTATION = "camera/rotation";
constexpr const char* CAMERA_ELEVATION = "camera/elevation";
constexpr const char* CAMERA_DISTANCE = "camera/distance";
constexpr const char* WINDOW_GEOMETRY = "window/geometry";
constexpr const char* WINDOW_MAXIMISED = "window/maximised";
constexpr const char* CLOCK_BASE = "clock/base";
constexpr const char* CLOCK_MOVES = "clock/moves";
constexpr const char* CLOCK_INCREMENT = "clock/increment";
constexpr const char* CLOCK_FINAL = "clock/final";
constexpr const char* CLOCK_KIND = "clock/kind";
constexpr const char* WHITE_ENGINE = "players/whiteEngine";
constexpr const char* BLACK_ENGINE = "players/blackEngine";
constexpr const char* TARGET_MARKS = "marks/targets";
constexpr const char* SOUND = "sound/enabled";

}  // namespace

void TZefiran_3D::updateTurn() {
  const GameController& session = controllore();
  QString title = (QStringLiteral("Zefiran_3D 0.92 ") + QString::fromUtf8(VERSIONSUFFIX)).trimmed();
  if (!session.over() && !session.editing())
    title += QStringLiteral(" - ") + t(session.whiteToMove() ? "P_WHITETOMOVE" : "P_BLACKTOMOVE");
  setWindowTitle(title);
  static_cast<PlayerPanel*>(Panel5)->setToMove(!session.over() && session.whiteToMove());
  static_cast<PlayerPanel*>(Panel4)->setToMove(!session.over() && !session.whiteToMove());
}

void TZefiran_3D::showMaterial() {
  const MaterialCount m = controllore().material();
  // Each side shows what it has taken: the other side's lost pieces.
  QString white, black;
  for (int8_t p : m.lostByBlack) white += figurine(p);
  for (int8_t p : m.lostByWhite) black += figurine(p);
  if (m.balance > 0) white += QStringLiteral(" +%1").arg(m.balance);
  if (m.balance < 0) black += QStringLiteral(" +%1").arg(-m.balance);
  static_cast<PlayerPanel*>(Panel5)->material()->setText(white);
  static_cast<PlayerPanel*>(Panel4)->material()->setText(black);
}

void TZefiran_3D::resignClick() {
  if (busy()) return;
  controllore().resign();
}

void TZefiran_3D::offerDrawClick() {
  if (busy()) return;
  controllore().whenIdle([] { controllore().offerDraw(); }, false);
}

bool TZefiran_3D::mayDiscardGame() {
  if (!controllore().gameInProgress()) return true;
  return discardQuestion_->mayDiscard();
}

void TZefiran_3D::soundOf(const MadeMove& move) {
  if (controllore().over()) return;  // the end's own sound follows
  sounds_->play(move.check ? MoveSounds::check : move.capture ? MoveSounds::capture : MoveSounds::move);
}

QString TZefiran_3D::startFolder(const char* kind) const {
  const QString kept = Preferences::instance().value(QStringLiteral("folders/") + QString::fromUtf8(kind)).toString();
  if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
  return QString::fromStdString(documentsFolder());
}

void TZefiran_3D::rememberFolder(const char* kind, const QString& file) {
  if (file.isEmpty()) return;
  Preferences::instance().setValue(QStringLiteral("folders/") + QString::fromUtf8(kind),
                                   QFileInfo(file).absolutePath());
}

bool TZefiran_3D::restoreWindowGeometry() {
  const QByteArray geometry = Preferences::instance().value(WINDOW_GEOMETRY).toByteArray();
  if (geometry.isEmpty() || !restoreGeometry(geometry)) return false;
  if (Preferences::instance().flag(WINDOW_MAXIMISED, false)) setWindowState(windowState() | Qt::WindowMaximized);
  return true;
}

void TZefiran_3D::loadPreferences() {
  Preferences& p = Preferences::instance();
  if (!p.problem().isEmpty()) addStatus(t("P_PREFSUNREADABLE") + QStringLiteral(" ") + p.fileName());

  showTargets_ = p.flag(TARGET_MARKS, true);
  targetMarks_->setChecked(showTargets_);
  sounds_->setEnabled(p.flag(SOUND, false));
  sound_->setChecked(sounds_->enabled());

  // The time control and who plays which side, as the last run left them.
  const TimeControl now = controllore().timeControl();
  TimeControl kept;
  kept.base = p.number(CLOCK_BASE, now.base);
  kept.moves = p.number(CLOCK_MOVES, now.moves);
  kept.increment = p.number(CLOCK_INCREMENT, now.increment);
  kept.finalTime = p.number(CLOCK_FINAL, now.finalTime);
  kept.kind = p.number(CLOCK_KIND, now.kind);
  if (kept.base > 0 && kept.kind >= TimeControl::movesPerControl && kept.kind <= TimeControl::quickPlayFinish &&
      (kept.base != now.base || kept.kind != now.kind || kept.moves != now.moves || kept.increment != now.increment))
    controllore().setTimeControl(kept);
  for (const bool white : {true, false}) {
    const QString key = QString::fromUtf8(white ? WHITE_ENGINE : BLACK_ENGINE);
    if (p.value(key).isValid()) {
      const bool engine = p.flag(key, false);
      if (engine != controllore().enginePlays(white)) controllore().setPlayer(white, engine);
    }
  }
  loadLevelPreferences();

  // The view, its turn and the camera.
  const int mode = p.number(VIEW_MODE, VISTA_3D);
  if (mode == VISTA_PIATTA) buildScene(VISTA_PIATTA);
  if (p.flag(VIEW_TURNED, false)) Ruota1801Click();
  if (mode == VISTA_3D && p.value(CAMERA_ROTATION).isValid()) {
    // Kept within the camera's limits, whatever the file says.
    rotazione = p.value(CAMERA_ROTATION).toFloat();
    turnCamera(0.0f);
    elevazione = p.value(CAMERA_ELEVATION, elevazione).toFloat();
    tiltCamera(0.0f);
    distanza = p.value(CAMERA_DISTANCE, distanza).toFloat();
    moveCameraAway(0.0f);
    arrangePanels();
  }
  ridisegna = 1;
}

void TZefiran_3D::savePreferences() {
  Preferences& p = Preferences::instance();
  p.setValue(VIEW_MODE, vista);
  p.setValue(VIEW_TURNED, boardTurned());
  if (vista == VISTA_3D) {
    p.setValue(CAMERA_ROTATION, rotazione);
    p.setValue(CAMERA_ELEVATION, elevazione);
    p.setValue(CAMERA_DISTANCE, distanza);
  }
  p.setValue(WINDOW_GEOMETRY, saveGeometry());
  p.setValue(WINDOW_MAXIMISED, isMaximized());
  const TimeControl tc = controllore().timeControl();
  p.setValue(CLOCK_BASE, tc.base);
  p.setValue(CLOCK_MOVES, tc.moves);
  p.setValue(CLOCK_INCREMENT, tc.increment);
  p.setValue(CLOCK_FINAL, tc.finalTime);
  p.setValue(CLOCK_KIND, tc.kind);
  p.setValue(WHITE_ENGINE, controllore().enginePlays(true));
  p.setValue(BLACK_ENGINE, controllore().enginePlays(false));
  saveLevelPreferences();
  p.setValue(TARGET_MARKS, showTargets_);
  p.setValue(SOUND, sounds_->enabled());
  p.save();
}
