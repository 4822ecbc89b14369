#include "ui/widgetstyle.h"

#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QString>

#include "ui/calmstyle.h"

QFont arialFont(int pixels, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

void fillBackground(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::Text, colour);
  w->setPalette(p);
}

QPlainTextEdit* makeMemo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(name);
  m->setReadOnly(true);
  styleMemo(m, false);
  m->setFocusPolicy(Qt::ClickFocus);
  return m;
}

void styleMemo(QPlainTextEdit* m, bool calmStyle) {
  m->setFont(calmStyle ? calm::fixedFont(calm::MEMO_PIXELS) : QFont("Monospace", 9));
  QPalette p = m->palette();
  p.setColor(QPalette::Base, calmStyle ? calm::PAGE : QColor(0, 128, 0));
  p.setColor(QPalette::Text, calmStyle ? calm::INK : QColor(255, 255, 255));
  m->setPalette(p);
  m->setFrameShape(calmStyle ? QFrame::NoFrame : QFrame::StyledPanel);
}

QWidget* addPage(QStackedWidget* notebook, const char* name) {
  auto* p = new QWidget(notebook);
  p->setObjectName(name);
  notebook->addWidget(p);
  return p;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setObjectName(name);
  return l;
}
