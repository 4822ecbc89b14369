// Taking moves back from the game, as "undo", "remove" and a position set
// up again from its moves need it.
#pragma once

// Takes back the last plies of the game (at most all of them): the game
// position and record are those before them, the engine keeps its sides.
void takeBack(int plies);
