// Mutated game files, positions, test files, settings and language files
// through the real readers, and mutated protocol lines through the program
// itself: nothing may crash, trip the sanitizers or hang. The seed is fixed,
// so a failure repeats; the iteration counts keep a sanitizer run near a
// minute.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "game/testsuites.h"
#include "records/notation.h"
#include "records/pgnfen.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/engine_fixture.h"
#include "support/engine_process.h"
#include "support/tempfolder.h"

namespace {

constexpr unsigned FUZZ_SEED = 20240521;

// Pieces that matter to the readers, spliced into the texts.
const char* const splices[] = {
    "{",   "}",   "(", ")",     "[",   "]",    "\"",          "\n",           "\r\n",     ";",    "%",       "$1",
    "...", "1-0", "*", "0-0-0", "O-O", "=Q",   "e.p.",        "\xE2\x99\x98", "\xE2\x99", "\xFF", "/",       "8",
    "-",   "=",   " ", "\t",    "Sf3", "Kxe8", "99999999999", "-1",           "KQkq",     "e3",   "[FEN \"", "bm "};

class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}
  int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  std::string mutate(std::string s) {
    const int edits = 1 + below(6);
    for (int e = 0; e < edits; ++e) {
      const size_t at = s.empty() ? 0 : static_cast<size_t>(below(static_cast<int>(s.size()) + 1));
      switch (below(5)) {
        case 0:
          if (at < s.size()) s[at] = static_cast<char>(below(256));
          break;
        case 1: s.insert(at, splices[below(static_cast<int>(std::size(splices)))]); break;
        case 2:
          if (at < s.size()) s.erase(at, 1 + below(8));
          break;
        case 3:
          if (at < s.size()) s.insert(at, s.substr(at, 1 + below(40)));
          break;
        default:
          if (at < s.size()) s.insert(s.begin() + static_cast<long>(at), static_cast<char>(below(128)));
          break;
      }
    }
    return s;
  }

 private:
  std::mt19937 rng_;
};

const std::string seedPgn =
    "[Event \"F\"]\n[White \"A\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 {c} Nc6 (2... d6 3. d4) "
    "3. Bb5 a6 4. O-O Nf6 5. d4 exd4 6. e5 Ne4 7. Re1 d5 8. exd6 e.p. Qxd6 9. Bxc6+ bxc6 1-0\n\n"
    "[White \"C\"]\n[FEN \"r3k2r/1P6/8/8/8/8/6p1/R3K2R b KQkq - 0 17\"]\n\n17... gxh1=Q+ 18. Kd2 O-O-O 19. bxa8=N *\n";
const char* const seedFens[] = {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
                                "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
                                "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1"};

TEST(ReaderFuzz, GameFilesPositionsTestFilesSettingsAndLanguages) {
  zeftest::initialiseEngineOnce();
  caricalinguainterna();
  zeftest::TempFolder dir;
  std::filesystem::create_directories(dir.file("languages"));
  const std::string savedFolder = cartella;
  cartella = dir.dir();
  Mutator m(FUZZ_SEED);

  for (int i = 0; i < 600; ++i) {
    dir.write("f.pgn", m.mutate(seedPgn));
    std::string errore;
    if (!aprifilepgn(dir.file("f.pgn"), errore)) continue;
    for (const std::string& entry : indicepartite) {
      caricapartita(rigadiindice(entry));
      loadReportText(lastLoad);
    }
  }
  for (int i = 0; i < 6000; ++i) {
    const std::string fen = m.mutate(seedFens[i % std::size(seedFens)]);
    const bool playable = fenProblem(fen).empty();
    impostafen(fen, true);  // set-up itself takes any text
    if (!playable) continue;
    for (const uint32_t move : zeftest::rootMoves()) sanWithCheckMark(move & MV_MOVE, 0);
  }
  for (int i = 0; i < 300; ++i) {
    std::string epd;
    for (const char* fen : seedFens)
      epd += m.mutate(std::string(fen).substr(0, std::string(fen).rfind(" 0 1")) +
                      " bm e4 Nf3; am Qd9; id \"x\"; c0 \"y\";\n");
    dir.write("t.epd", epd);
    leggiepd(dir.file("t.epd"));
  }
  const std::string ini = "; c\n; c\n; c\n\ngiocatore=A\nhash=3\nprofonditalibro=8\nabbandona=si\nskin=default.usk\n";
  for (int i = 0; i < 400; ++i) {
    dir.write("z.ini", m.mutate(ini));
    std::string errore;
    caricaini(dir.file("z.ini"), errore);
    (void)leggiini();
    inidefault();
  }
  const std::string language(testoinglese());
  for (int i = 0; i < 150; ++i) {
    dir.write("languages/m.dat", m.mutate(language.substr(static_cast<size_t>(m.below(2000)), 1500)));
    std::string errore;
    caricalingua("m.dat", errore);
    for (std::string_view key : chiavilingua) testo(key);
  }
  caricalinguainterna();
  cartella = savedFolder;
}

TEST(ReaderFuzz, ProtocolLinesThroughTheProgram) {
  Mutator m(FUZZ_SEED + 1);
  const char* const seeds[] = {"xboard",
                               "protover 2",
                               "force",
                               "e2e4",
                               "e7e8q",
                               "usermove g1f3",
                               "undo",
                               "remove",
                               "setboard 4k3/8/8/8/8/8/4P3/4K3 w - - 0 1",
                               "ping 7",
                               "level 40 5 0",
                               "time 1000",
                               "otim 900",
                               "post",
                               "nopost",
                               "hard",
                               "easy",
                               "uci",
                               "isready",
                               "position startpos moves e2e4 e7e5",
                               "position fen 8/8/8/3kK3/8/8/8/8 w - - 0 1"};
  EngineProcess engine;
  engine.line("force");
  for (int i = 0; i < 800; ++i) {
    std::string line = m.mutate(seeds[m.below(static_cast<int>(std::size(seeds)))]);
    for (char& c : line)
      if (c == '\n' || c == '\r') c = ' ';
    // Lines that start the engine thinking would turn the run into a timed one.
    const std::string first = line.substr(0, line.find(' '));
    if (first == "go" || first == "white" || first == "black" || first == "new" || first == "playother" ||
        first == "analyze" || first == "quit" || first == "exit")
      continue;
    engine.line(line);
    if (first == "uci" || first == "xboard") engine.line("force");
  }
  engine.line("quit");
  EXPECT_EQ(engine.wait(60000), 0);
}

}  // namespace
