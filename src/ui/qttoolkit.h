// The window's event pump: a long computation lets Qt process pending
// events through it, and beeps are the system's.
#pragma once

#include "game/eventpump.h"

class QtToolkit : public EventPump {
 public:
  void pumpEvents() override;
  void beep() override;
};
