#include "ui/qttoolkit.h"

#include <QApplication>
#include <QCoreApplication>

void QtToolkit::pumpMessages() { QCoreApplication::processEvents(); }
void QtToolkit::beep() { QApplication::beep(); }
