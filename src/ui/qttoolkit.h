// The engine's doors to the toolkit, opened by the window: the search lets
// Qt process pending events, and beeps are the system's.
#pragma once

#include "engine/toolkit.h"

class QtToolkit : public Toolkit {
 public:
  void pumpMessages() override;
  void beep() override;
};
