// A toolkit that runs a command once from inside the next search, as a
// click or a menu command does through the window's event loop.
#pragma once

#include <functional>
#include <utility>

#include "engine/position/position.h"
#include "engine/toolkit.h"

namespace zeftest {

struct NestedCommand : Toolkit {
  std::function<void()> command;
  void pumpMessages() override {
    if (command && partita.inricerca != 0) {
      auto c = std::move(command);
      command = nullptr;
      c();
    }
  }
};

}  // namespace zeftest
