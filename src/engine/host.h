// What the engine asks of the program around it: a line for a front end,
// a setting, the opening book's move, the notation of a move and the
// verification log. The engine owns this interface and knows nothing of
// who answers; the program installs its answers at start-up. Until then
// the engine gets the quiet answers below (no output, empty texts, no book
// move), which is all that the engine's own tests need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class EngineHost {
 public:
  virtual ~EngineHost() = default;
  // A line on standard output, for a front end.
  virtual void writeLine(const std::string& line) {}
  // The value of a setting ("giocatore", "evento", "localita"); empty when unset.
  virtual std::string setting(std::string_view name) { return {}; }
  // The book's move for the side to move of record 0, or 0 for none.
  virtual uint32_t bookMove() { return 0; }
  // The notation of a move of record 0, before it is played (the game
  // record keeps it for the move list and the saved game).
  virtual std::string moveText(uint32_t move) { return {}; }
  // A line for the verification log written when the program ends.
  virtual void verificationLine(const std::string& line) {}
};

// The host in use (a quiet one until the program installs its own;
// nullptr restores the quiet one).
void setEngineHost(EngineHost* host);
EngineHost& engineHost();
