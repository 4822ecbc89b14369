#include "game/eventpump.h"

#include "engine/toolkit.h"

namespace {

// The engine's toolkit door, passed on to the window's pump.
class PumpToolkit : public Toolkit {
 public:
  EventPump* pump = nullptr;
  void pumpMessages() override {
    if (pump) pump->pumpEvents();
  }
  void beep() override {
    if (pump) pump->beep();
  }
};

PumpToolkit toolkitDoor;

}  // namespace

void setEventPump(EventPump* pump) {
  toolkitDoor.pump = pump;
  setToolkit(pump ? &toolkitDoor : nullptr);
}

void soundBeep() { systemBeep(); }
