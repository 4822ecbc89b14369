// The board editor of front ends that set positions without "setboard":
// "edit", then "#" (clear), "c" (switch colour), piece placements such as
// "Pa4" or "xa4" (empty the square), and "." to leave. The side to move
// stays; castling is kept where king and rook stand on their squares.
#pragma once

#include <string>

// Starts editing from the game position.
void startEdit();
bool inedit();
// One line of the editor; on "." the edited position replaces the game's
// when it is playable, else it is refused and the game stays as it was.
void editLine(const std::string& line);
// Leaves the editor without a change (tests, "new").
void endEdit();
