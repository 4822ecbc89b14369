// Lets a window's own shortcuts go first, whatever widget has the focus: a
// line edit would keep its undo and copy keys, a list its Home and End.
// Installed on the application, it sees every key before the widgets do.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

class ShortcutRouter : public QObject {
 public:
  // owns says whether the key, sent to that receiver, is one of the
  // window's shortcuts.
  ShortcutRouter(std::function<bool(QObject*, const QKeyEvent*)> owns, QObject* parent);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  std::function<bool(QObject*, const QKeyEvent*)> owns_;
};
