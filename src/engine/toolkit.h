// The engine's only doors to the outside: letting the window process its
// pending events from inside a long computation, the system beep, the time
// of day and the random generator. Without a window the pump does nothing.
#pragma once

#include <cstdint>
#include <functional>

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  virtual void pumpMessages() {}
  virtual void beep() {}
};

// The toolkit in use (a do-nothing one until a window installs its own).
void setToolkit(Toolkit* t);
Toolkit& toolkit();
inline void pumpMessages() { toolkit().pumpMessages(); }
inline void systemBeep() { toolkit().beep(); }

// Time of day as a fraction of a day, millisecond resolution.
double adesso();
// Replace the clock (tests); nullptr restores the system clock.
void setClockSource(std::function<double()> source);

// Uniform pseudo-random integer 0..n-1 (0 when n <= 0).
int casuale(int n);
void seedRandomFromClock();
void seedRandom(uint32_t seed);
