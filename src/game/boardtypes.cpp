#include "game/boardtypes.h"

#include "engine/position/position.h"
#include "engine/search/clock.h"

// The views' values are the engine's: a change on either side fails here.
static_assert(board::PAWN == PAWN && board::KNIGHT == KNIGHT && board::BISHOP == BISHOP && board::ROOK == ROOK &&
              board::QUEEN == QUEEN && board::KING == KING && board::EMPTY == EMPTY);
static_assert(board::WHITE_KINGSIDE == CASTLE_WK && board::WHITE_QUEENSIDE == CASTLE_WQ &&
              board::BLACK_KINGSIDE == CASTLE_BK && board::BLACK_QUEENSIDE == CASTLE_BQ);
static_assert(board::SQUARES == NOSQ);
static_assert(TimeControl::movesPerControl == TC_MOVES && TimeControl::wholeGame == TC_GAME &&
              TimeControl::withIncrement == TC_INCREMENT && TimeControl::quickPlayFinish == TC_QUICKPLAY);
