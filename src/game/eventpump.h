// The door through which a long computation (a search, a perft count, a
// book build) lets the window process its events, and the system beep. The
// window opens it with its toolkit's calls; without a window it does nothing.
#pragma once

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void pumpEvents() {}
  virtual void beep() {}
};

// The pump in use (nullptr: none).
void setEventPump(EventPump* pump);
// The beep of the pump in use.
void soundBeep();
