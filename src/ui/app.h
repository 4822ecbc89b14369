// The windowed program: the toolkit, the start-up, the main window and the
// event loop.
#pragma once

#include <functional>

// What the program around the window gives it: the engine side of the
// start-up, the protocol half of the tick, and the door through which a
// front end's arrival hides the window and its "quit" closes it.
struct WindowServices {
  std::function<void(const char* argv0)> start;
  std::function<bool()> protocolTick;
  std::function<void(std::function<void()> hide, std::function<void()> close)> connectProtocol;
};

// Creates the application and the main window (opened maximised, or hidden
// once a WinBoard front end announces itself), runs the event loop and
// returns its exit code.
int eseguifinestra(int argc, char** argv, const WindowServices& services);
