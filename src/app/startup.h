// The program's start-up, the part that the window and the headless engine
// share: folders (settings/folders.h), tables, settings, book, language, the
// time control and a new game.
#pragma once

// Problems found (unreadable settings, a missing book or language file) are
// reported once on standard error and kept for the window's status strip.
void avviaprogramma(const char* argv0);
