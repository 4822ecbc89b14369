// The WinBoard/xboard engine protocol: announcement, the level command,
// coordinate moves and the position line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/position/position.h"

// The engine modes the xboard commands set.
extern uint8_t forzato;   // force mode: the engine moves for neither side
extern uint8_t pensieri;  // thinking lines are posted

// Switches to WinBoard mode and writes the banner, "Winboard gui detected"
// and the feature line.
void avviawinboard();

// The feature line announced to the front end (55 characters).
extern const char* const FEATURELINE;

// "level MPS BASE INC": writes the "tempo = " line and sets the time control.
// False (and nothing changes) when the fields are not numbers.
bool leggilivello(std::string_view line);

// 0..7 for "a".."h", 0 for anything else.
int colonnadalettera(char letter);

// The move code of a coordinate move such as e2e4 or e7e8q in record 0
// (capture flag from the board, promotion from a lower-case letter); 0 when
// the text does not name two squares.
uint32_t leggimossa(std::string_view text);

// "move " and the coordinates, promotion letter in upper case (move e7e8Q).
std::string mossawinboard(uint32_t move);

// The piece placement of a record and the side to move ("... w ").
std::string posizionefen(const tposizione& p);
