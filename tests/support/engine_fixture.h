// Shared set-up for engine tests: tables built once, evaluation noise 0.
#pragma once

#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/position/position.h"

namespace zeftest {

// Builds the engine's tables once, after installing the host of the test
// program (set by the programs above the engine, before main).
void initialiseEngineOnce();
extern void (*hostInstaller)();
// Set up a FEN as a new game (record 0 is the root, ply 0).
void setUp(const std::string& fen);
// Square index from its name ("e4").
int sq(const char* name);

}  // namespace zeftest

namespace zeftest {
// Generated moves of record 0 (ply 1, no hash move, no ordering pass).
std::vector<uint32_t> rootMoves();
// The generated move from-to (coordinate text such as "e2e4" or "e7e8n"), or 0.
uint32_t findMove(const std::string& coord);
// Make a generated move from record 0 into record 1 (ply 1); false when illegal or absent.
bool makeRoot(const std::string& coord, int bound = 32100);
// The coordinate text of a move ("e2e4", "e7e8q").
std::string coord(uint32_t move);

// While it lives, catches the lines the engine writes and its verification
// lines; its other questions go to the host that was in place.
class HostCapture : public EngineHost {
 public:
  HostCapture() : previous_(engineHost()) { setEngineHost(this); }
  ~HostCapture() override { setEngineHost(&previous_); }
  void writeLine(const std::string& line) override { lines.push_back(line); }
  void verificationLine(const std::string& line) override { verification.push_back(line); }
  std::string setting(std::string_view name) override { return previous_.setting(name); }
  uint32_t bookMove() override { return previous_.bookMove(); }
  std::string moveText(uint32_t move) override { return previous_.moveText(move); }
  std::vector<std::string> lines, verification;

 private:
  EngineHost& previous_;
};
}  // namespace zeftest

namespace zeftest {
// A file name in the temporary folder that no other test process uses.
std::string tempPath(const std::string& name);
}  // namespace zeftest
