// The game session's rules, driven without a window: players, the engine's
// turn, commands given during a search, going to a move, taking back, and
// the clocks.
#include "game/gamecontroller.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/gamefiles.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/engine_fixture.h"
#include "support/game_fixture.h"
#include "support/nested_command.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

namespace {

// Records the notices; the game-over ones with their keys.
struct ViewLog : GameView {
  std::vector<std::string> overKeys, statuses;
  int engineMoves = 0, playerChanges = 0;
  int reopened = 0, replacedPositions = 0, clockNotices = 0;
  const GameController* session = nullptr;
  void gameStateChanged() override {
    if (!session->over()) {
      ++reopened;
      return;
    }
    const GameOverMessage m = session->gameOverMessage();
    overKeys.push_back(m.key ? m.key : "");
  }
  void moveMade(const MadeMove& m) override { engineMoves += m.byEngine; }
  void thinkingLine(bool white, const std::string&) override { ++thinking[white ? 0 : 1]; }
  int thinking[2] = {};
  void positionReplaced() override { ++replacedPositions; }
  void clocksChanged() override { ++clockNotices; }
  void playersChanged() override { ++playerChanges; }
  void status(const std::string& line) override { statuses.push_back(line); }
};

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    zeftest::initialiseEngineOnce();
    listaini.clear();
    inidefault();
    caricalinguainterna();
    setToolkit(&toolkit);
    modointerfaccia = 1;
    partita.tempoBase = 2000;
    partita.modoTempo = TC_GAME;
    nuovapartita();
    view.session = &c;
    c.setView(&view);
  }
  void TearDown() override {
    c.setView(nullptr);
    setToolkit(nullptr);
    partita.motorebianco = partita.motorenero = 0;
    partita.inricerca = 0;
    nuovapartita();
  }
  bool play(const std::string& coord) { return zeftest::playCoord(c, coord) == MoveAttempt::played; }

  GameController& c = controllore();
  ViewLog view;
  zeftest::NestedCommand toolkit;
};

TEST_F(Session, ANewGameKeepsThePlayersAndNamesTheHuman) {
  c.setPlayer(true, true);
  c.setPlayer(false, false);
  ASSERT_TRUE(c.enginePlays(true));
  c.newGame();
  EXPECT_TRUE(c.enginePlays(true));
  EXPECT_FALSE(c.enginePlays(false));
  EXPECT_EQ(partita.whiteplayer.str(), ENGINENAME);
  EXPECT_EQ(partita.blackplayer.str(), testo("P_BLACK")) << "no settings file: the side's name";
  EXPECT_TRUE(c.engineTurnDue());
}

TEST_F(Session, TheEngineRepliesToAMoveMadeAfterGoingBack) {
  ASSERT_TRUE(play("e2e4"));
  ASSERT_TRUE(c.engineTurnDue());
  c.engineTurn();
  ASSERT_EQ(partita.count, 2);
  ASSERT_EQ(view.engineMoves, 1);

  // Looking back keeps the later moves: the engine waits.
  c.goToMove(1);
  EXPECT_TRUE(c.reviewing());
  EXPECT_FALSE(c.engineTurnDue());
  EXPECT_FALSE(c.clocksRunning());
  EXPECT_EQ(partita.count, 2);
  EXPECT_TRUE(c.enginePlays(false)) << "going to a move keeps who plays";

  // A move from an earlier position cuts the game there and gets a reply.
  c.goToMove(0);
  ASSERT_TRUE(play("d2d4"));
  EXPECT_EQ(partita.count, 1);
  ASSERT_TRUE(c.engineTurnDue());
  c.engineTurn();
  EXPECT_EQ(partita.count, 2);
  EXPECT_EQ(partita.movetext[0].str(), "d4");
}

TEST_F(Session, TakeBackGivesThePlayerTheMoveAndTheClocksOfThatPoint) {
  ASSERT_TRUE(play("e2e4"));
  c.engineTurn();
  moveStart -= 3000 / 86400000.0;  // the player thinks for three seconds
  ASSERT_TRUE(play("d2d4"));
  const ClockReading afterD4 = c.reading(3);
  EXPECT_LE(afterD4.white, 2000 - 3000) << "the player's clock was charged";
  c.engineTurn();
  ASSERT_EQ(partita.count, 4);
  const ClockReading atTwo = c.reading(2);

  c.takeBack();
  EXPECT_EQ(partita.current, 2) << "the engine's reply and the player's move";
  EXPECT_TRUE(c.whiteToMove());
  EXPECT_EQ(partita.tempoBianco, atTwo.white);
  EXPECT_EQ(partita.tempoNero, atTwo.black);
  EXPECT_EQ(partita.count, 4) << "the moves stay recorded for going forward";

  c.forward();
  EXPECT_EQ(partita.current, 3);
  EXPECT_EQ(partita.tempoBianco, afterD4.white);
  c.last();
  EXPECT_EQ(partita.current, 4);
  c.takeBack();
  c.takeBack();
  EXPECT_EQ(partita.current, 0);
  c.takeBack();
  EXPECT_EQ(partita.current, 0) << "nothing before the start";
  EXPECT_EQ(posizioni[0].board[zeftest::sq("e2")], PAWN);
}

TEST_F(Session, WithTwoHumansTakeBackIsOneHalfMove) {
  c.setPlayer(false, false);
  ASSERT_TRUE(play("e2e4"));
  ASSERT_TRUE(play("e7e5"));
  c.takeBack();
  EXPECT_EQ(partita.current, 1);
  EXPECT_FALSE(c.whiteToMove());
}

TEST_F(Session, CommandsDuringASearchWaitForItAndDropItsMove) {
  ASSERT_TRUE(play("e2e4"));
  partita.tempoNero = 600000;  // a long search unless it is stopped

  // Taking the engine off the side it searches for: the move is not played.
  toolkit.command = [this] { c.setPlayer(false, false); };
  c.engineTurn();
  EXPECT_EQ(partita.count, 1);
  EXPECT_FALSE(c.enginePlays(false));
  EXPECT_EQ(partita.inricerca, 0);

  // A new game replaces the one searched in.
  c.setPlayer(false, true);
  toolkit.command = [this] { c.newGame(); };
  c.engineTurn();
  EXPECT_EQ(partita.count, 0);
  EXPECT_TRUE(c.enginePlays(false));

  // Giving White to the engine while Black searches changes nothing there:
  // Black's move is played, stopped early.
  ASSERT_TRUE(play("e2e4"));
  toolkit.command = [this] {
    c.setPlayer(true, true);
    c.moveNow();
  };
  c.engineTurn();
  EXPECT_EQ(partita.count, 2);
  EXPECT_TRUE(c.enginePlays(true));
  EXPECT_TRUE(c.engineTurnDue()) << "and it is now White's engine's turn";
}

TEST_F(Session, AMateEndsTheGameStopsTheClocksAndKeepsThePlayers) {
  c.setPlayer(true, true);
  std::string why;
  ASSERT_TRUE(c.setUpFen("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", why)) << why;
  ASSERT_TRUE(c.enginePlays(true)) << "a set-up keeps the players";
  c.engineTurn();
  ASSERT_EQ(partita.count, 1);
  EXPECT_EQ(partita.movetext[0].str(), "Ra8#");
  EXPECT_TRUE(c.over());
  EXPECT_FALSE(c.clocksRunning());
  EXPECT_FALSE(c.engineTurnDue());
  EXPECT_TRUE(c.enginePlays(true)) << "the menus still tell the truth";
  ASSERT_EQ(view.overKeys.size(), 1u);
  EXPECT_EQ(view.overKeys[0], "LMATTOB");
  EXPECT_EQ(c.shownClock(false), partita.tempoNero) << "a standing clock shows what is left";

  c.newGame();
  EXPECT_FALSE(c.over());
}

TEST_F(Session, AHumanMateIsAnnouncedAndRefusedPositionsChangeNothing) {
  std::string why;
  EXPECT_FALSE(c.setUpFen("8/8/8/8/8/8/8/8 w - - 0 1", why));
  EXPECT_FALSE(why.empty());
  EXPECT_EQ(posizioni[0].board[zeftest::sq("e1")], KING) << "the game is as it was";
  ASSERT_TRUE(c.setUpFen("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", why));
  ASSERT_TRUE(play("a1a8"));
  ASSERT_EQ(view.overKeys.size(), 1u);
  EXPECT_EQ(view.overKeys[0], "LMATTOB");
  EXPECT_TRUE(c.enginePlays(false));
  EXPECT_FALSE(c.engineTurnDue()) << "nothing to play after mate";
}

// A take back reopens a mated game: its end, its result and its message go,
// and what is played after it is a game that goes on.
TEST_F(Session, TakingBackAMateAndPlayingOnReopensTheGame) {
  c.setPlayer(false, false);
  for (const char* m : {"f2f3", "e7e5", "g2g4", "d8h4"}) ASSERT_TRUE(play(m)) << m;
  ASSERT_TRUE(c.over());
  EXPECT_EQ(c.resultText(), "0-1");
  ASSERT_EQ(view.overKeys.size(), 1u);

  c.takeBack();
  EXPECT_FALSE(c.over());
  EXPECT_EQ(view.reopened, 1);
  EXPECT_EQ(c.gameOverMessage().key, nullptr);
  ASSERT_TRUE(play("g8f6"));
  EXPECT_EQ(c.resultText(), "*");
  const std::vector<std::string> pgn = righepgn();
  ASSERT_FALSE(pgn.empty());
  EXPECT_EQ(pgn.back().substr(pgn.back().size() - 1), "*") << pgn.back();
}

// Whatever starts a game while the engine plays both sides, its clock runs
// with its first move.
TEST_F(Session, ANewGameBetweenEnginesRunsTheClocks) {
  c.setPlayer(true, true);
  c.setPlayer(false, true);
  c.newGame();
  ASSERT_FALSE(c.clocksRunning()) << "nobody has moved yet";
  toolkit.command = [this] { c.moveNow(); };
  c.engineTurn();
  ASSERT_EQ(partita.count, 1);
  EXPECT_TRUE(c.clocksRunning()) << "Black's clock runs while Black's engine thinks";
}

// A position set up from FEN text is a new game: the clocks, the game's
// information and its readings start again.
TEST_F(Session, AFenSetUpStartsTheClocksAndTheInformationAgain) {
  c.setPlayer(false, false);
  ASSERT_TRUE(play("e2e4"));
  ASSERT_TRUE(play("e7e5"));
  partita.tempoBianco = 1234;
  partita.tempoNero = 567;
  partita.event = "an old event";
  const int replacedBefore = view.replacedPositions;
  std::string why;
  ASSERT_TRUE(c.setUpFen("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", why)) << why;
  EXPECT_EQ(view.replacedPositions, replacedBefore + 1);
  EXPECT_EQ(c.clocks().white, partita.tempoBase);
  EXPECT_EQ(c.clocks().black, partita.tempoBase);
  EXPECT_EQ(c.reading(0).white, partita.tempoBase);
  EXPECT_NE(c.info().event, "an old event");
  EXPECT_FALSE(c.enginePlays(false)) << "the players stay";
}

// A FEN file gives a position, not players: both keep who plays them and a name.
TEST_F(Session, AFenFileKeepsThePlayersAndTheirNames) {
  zeftest::TempFolder folder;
  const std::string path = folder.file("position.fen");
  std::string why;
  ASSERT_TRUE(scrivirighe(path, {"4k3/8/8/8/8/8/4P3/4K3 b - - 0 1"}, why)) << why;
  ASSERT_TRUE(c.loadFenFile(path, why)) << why;
  EXPECT_EQ(c.playerName(true), humanName(true));
  EXPECT_EQ(c.playerName(false), ENGINENAME);
  EXPECT_FALSE(c.playerName(true).empty());
  EXPECT_TRUE(c.enginePlays(false));
  EXPECT_FALSE(c.whiteToMove());
  EXPECT_FALSE(c.loadFenFile(folder.file("missing.fen"), why));
  EXPECT_FALSE(why.empty());
}

// The engine takes a draw only when its own search says it is not better;
// a resigned game is over, carries its result and takes no more moves.
TEST_F(Session, DrawOffersFollowTheEnginesScoreAndResigningEndsTheGame) {
  std::string why;
  ASSERT_TRUE(c.setUpFen("3qk3/8/8/8/8/8/8/4K3 w - - 0 1", why)) << why;  // the engine, Black, has a queen more
  EXPECT_FALSE(c.offerDraw());
  EXPECT_FALSE(c.over());
  ASSERT_TRUE(c.setUpFen("3Qk3/8/8/8/8/8/8/4K3 b - - 0 1", why)) << why;  // a queen less
  c.setPlayer(false, true);
  EXPECT_TRUE(c.offerDraw());
  EXPECT_TRUE(c.over());
  EXPECT_EQ(c.resultText(), "1/2-1/2");
  EXPECT_FALSE(c.engineTurnDue());

  c.newGame();
  ASSERT_TRUE(play("e2e4"));
  c.resign();
  EXPECT_TRUE(c.over());
  EXPECT_EQ(c.resultText(), "0-1") << "the person, White, resigned";
  EXPECT_EQ(std::string(c.gameOverMessage().key), "LABBANDONAB");
  EXPECT_FALSE(play("e7e5"));
}

// Each side has its level, the full engine unless chosen; the engine's move
// for a side is searched at that side's level (the weakest: one iteration,
// at its depth).
TEST_F(Session, EachEngineSidePlaysAtItsOwnLevel) {
  EXPECT_EQ(c.engineLevel(true), GameController::fullLevel());
  EXPECT_EQ(c.engineLevel(false), GameController::fullLevel());
  c.setEngineLevel(false, 0);
  c.setEngineLevel(true, 99);
  EXPECT_EQ(c.engineLevel(false), 0);
  EXPECT_EQ(c.engineLevel(true), GameController::fullLevel()) << "kept within the levels";
  EXPECT_GE(view.playerChanges, 2) << "the view hears of a level chosen";
  std::string why;
  ASSERT_TRUE(c.setUpFen("r3k2r/ppp2ppp/2n5/3q4/3P4/2N5/PP3PPP/R2QK2R b KQkq - 0 12", why));
  c.setPlayer(false, true);
  ASSERT_TRUE(c.engineTurnDue());
  c.engineTurn();
  EXPECT_EQ(view.engineMoves, 1);
  EXPECT_EQ(view.thinking[1], 1);
  EXPECT_FALSE(GameController::levelName(0).empty());
  EXPECT_LT(GameController::levelElo(0), GameController::levelElo(GameController::fullLevel()));
  c.setEngineLevel(false, GameController::fullLevel());
}

// With 1 ms to think, iterations are cut short at once; the move they
// hand back must still be one the game accepts.
TEST(EngineChoice, InTimeTroubleTheEngineStillPlaysALegalMove) {
  zeftest::initialiseEngineOnce();
  for (const char* fen : {"4k3/8/8/8/8/8/3PP3/r3K2R w K - 0 1", "r3k3/3pp3/8/8/8/8/8/R3K3 b - - 0 1",
                          "4k3/8/8/8/1b6/8/3PPP2/R3K2R w KQ - 0 1"}) {
    for (int volta = 0; volta < 20; ++volta) {
      zeftest::setUp(fen);
      moveStart = adesso();
      clockNow = moveStart;
      searchDeadline = 1;
      SearchLimits l;
      l.timeDivisor = 5;
      const EngineChoice choice = pensamossa(l, nullptr);
      ASSERT_NE(choice.move, 0u) << fen;
      ASSERT_TRUE(giocamossa(choice.move)) << fen << ": the engine chose " << choice.move;
    }
  }
}

}  // namespace
