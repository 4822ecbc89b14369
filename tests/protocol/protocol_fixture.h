// Shared set-up of the in-process protocol tests: the built-in language, a
// fresh protocol state and game, and every line the engine writes collected
// in `out` instead of standard output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/position/game.h"
#include "engine/search/clock.h"
#include "engine/search/searchstate.h"
#include "game/game.h"
#include "protocol/iowinboard.h"
#include "protocol/winboard.h"
#include "records/debugoutput.h"
#include "settings/language.h"
#include "text/output.h"

namespace zeftest {

class ProtocolFixture : public ::testing::Test {
 protected:
  std::vector<std::string> out;
  void SetUp() override {
    caricalinguainterna();
    resetprotocollo();
    modointerfaccia = 0;
    engineTimeLeft = 0;
    searchDeadline = 0;
    setLineSink([this](const std::string& l) { out.push_back(l); });
    game::newGame();
  }
  void TearDown() override {
    setLineSink(nullptr);
    setDebugOutput(false);
    setProtocolHooks({});
    resetprotocollo();
    modointerfaccia = 0;
  }
  // The lines written so far that start with prefix.
  std::vector<std::string> starting(const std::string& prefix) const {
    std::vector<std::string> r;
    for (const std::string& l : out)
      if (l.rfind(prefix, 0) == 0) r.push_back(l);
    return r;
  }
  bool has(const std::string& prefix) const { return !starting(prefix).empty(); }
  int count(const std::string& prefix) const { return static_cast<int>(starting(prefix).size()); }
};

}  // namespace zeftest
