// Moves from front ends: a coordinate move of the current position (record
// 0), well formed and legal, or a reason why not.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct MoveReading {
  uint32_t move = 0;   // the generated move (17 bits), 0 when refused
  std::string reason;  // why it was refused
};

// Files a-h, ranks 1-8 and an optional promotion piece q, r, b or n, in
// either case (e2e4, E7E8Q). A pawn reaching the last rank without a piece
// becomes a queen, as front ends of the first protocol expect. The move must
// be generated for the side to move and leave its king safe.
MoveReading readMoveText(std::string_view text);
