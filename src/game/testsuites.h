// Test runs of the engine: EPD problem files searched for a fixed time and
// checked against their best moves, and speed files searched to a fixed
// depth with the search's counters logged. Both log to "debug.txt" in the
// state folder (folders.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One EPD line.
struct tepdtest {
  std::string fen;
  uint32_t best[5] = {};
  uint32_t avoid[5] = {};
  std::string id, c0, c1;
};

extern std::vector<tepdtest> epdtests;

constexpr const char* DEBUGFILE = "debug.txt";

// The debug log of the whole run; every line added is also on "debug.txt"
// in the state folder at once (appended and flushed, so the file is
// complete after every line without being rewritten).
extern std::vector<std::string> listadebug;
void scrividebug(const std::string& line);
// Where else log lines go (the command line prints them); nullptr for none.
void setDebugEcho(std::function<void(const std::string&)> echo);
// The file the log is written to (tests); empty for the state folder's.
void setDebugFile(const std::string& path);

// Reads an EPD file into epdtests; the number of positions read. Lines
// without ";" or without "bm"/"am" are skipped with a line in the log; more
// than 5 best or avoid moves, and more than 10 fields, are cut.
int leggiepd(const std::string& filename, std::string* errore = nullptr);

// What a run tells its window while it goes.
struct TestHooks {
  std::function<void(int examined, int toExamine, int correct, int wrong, const std::string& percentage)> counters;
  std::function<void(int side, const std::string& line)> memo;  // side 1 White, 2 Black
  std::function<bool()> stopRequested;                          // the stop button was pressed
  std::function<void()> redraw;                                 // the board shows the new position
};

struct EpdOutcome {
  bool opened = false;
  int positions = 0;
  int examined = 0;
  int correct = 0;
  bool stopped = false;
  std::vector<std::string> wrong;
};

// The EPD run: every position searched for allowanceMs (new iterations while
// a quarter of it has not passed), the move played, the answer checked.
EpdOutcome eseguiepd(const std::string& filename, int allowanceMs, const TestHooks& hooks);

// Percentage text of the EPD page: correct / examined x 100 cut to 4 characters, then "%".
std::string percentualeepd(int correct, int examined);

// The speed run of a ".tst" file (lines "DD label @ FEN"); the number of
// positions searched, or -1 when the file cannot be read.
int eseguispeed(const std::string& filename, const TestHooks& hooks, std::string* errore = nullptr);

// One position to a fixed depth (below 3: depth 3), logging each iteration's
// line and counters, then the move is played.
void testaposizione(const std::string& fen, int depth, const TestHooks& hooks);
