#include "ui/qttoolkit.h"

#include <QApplication>
#include <QCoreApplication>
#include <chrono>

#include "game/gamecontroller.h"
#include "ui/protocolbridge.h"

void QtToolkit::pumpEvents() {
  QCoreApplication::processEvents();
  // Qt does not re-enter the tick's own timer while the engine's WinBoard
  // move runs inside it, so the protocol is read from here in the meantime:
  // "quit" then stops the search at once and other lines wait their turn.
  if (interfaceMode() != InterfaceMode::frontEnd) return;
  static auto last = std::chrono::steady_clock::now();
  const auto now = std::chrono::steady_clock::now();
  if (now - last < std::chrono::milliseconds(20)) return;
  last = now;
  controllore().sampleTime();
  passoprotocollo();
}

void QtToolkit::beep() { QApplication::beep(); }
