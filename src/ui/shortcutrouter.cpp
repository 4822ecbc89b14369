#include "ui/shortcutrouter.h"

#include <QKeyEvent>

ShortcutRouter::ShortcutRouter(std::function<bool(QObject*, const QKeyEvent*)> owns, QObject* parent)
    : QObject(parent), owns_(std::move(owns)) {}

bool ShortcutRouter::eventFilter(QObject* o, QEvent* e) {
  // An override left unaccepted lets the shortcut run instead of the widget.
  if (e->type() == QEvent::ShortcutOverride && owns_(o, static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return true;
  }
  return false;
}
