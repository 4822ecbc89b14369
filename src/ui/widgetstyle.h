// The few looks the window's parts share: fonts, background and text
// colours, the green memos, labelled pages.
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QWidget;

QFont arialFont(int pixels, bool bold);
void fillBackground(QWidget* w, const QColor& colour);
void setTextColour(QWidget* w, const QColor& colour);
// A read-only memo in the program's green, for thinking lines and messages.
QPlainTextEdit* makeMemo(QWidget* parent, const char* name);
// A memo's colours and font: the program's green, or the calm style's page.
void styleMemo(QPlainTextEdit* m, bool calmStyle);
// A page of a paged container, by object name.
QWidget* addPage(QStackedWidget* notebook, const char* name);
QLabel* makeLabel(QWidget* parent, const char* name, const char* text);
