// The game controller's state and rules that do not need a widget: the
// window globals, the engine's thinking line, the game-over message for a
// result code, and the held-key table.
#pragma once

#include <cstdint>
#include <string>

#include "engine/search/driver.h"

// Appended to the window caption after "Zefiran_3D 0.92 "; empty in releases.
extern const char* const VERSIONE;

extern uint8_t risultatovisibile;  // the game-over dialog is open
extern int32_t contatoretick;      // ticks since start
extern uint8_t tastipremuti[256];  // 1 while the key with that virtual-key code is held

// The thinking line of one iteration (rigaricerca) is shared with the test
// suites' logs.
#include "records/searchline.h"

// Who made the move that ended the game.
enum class Autore {
  MotoreBianco,  // the engine, playing White
  MotoreNero,    // the engine, playing Black
  Umano          // a human (the side to move decides the mate text)
};

// The language key of the game-over message and the memo it goes to
// (1 = Memo1, Black's; 2 = Memo2, White's). A null key means no message
// (insufficient material, a human "resigning", an unknown code).
struct MessaggioFine {
  const char* chiave = nullptr;
  int memo = 1;
};
MessaggioFine messaggiofinepartita(int risultato, Autore autore, bool biancoamuovere);

// The virtual-key code of a toolkit key (arrows 37..40, letters 65..90,
// digits 48..57), or -1 for keys the window does not track.
int codicetasto(int tastoqt);

// Held-key bookkeeping shared by the window and its focus sink. Auto-repeat
// releases do not count: the key stays held.
void premitasto(int tastoqt);
void rilasciatasto(int tastoqt);
void rilasciatutti();
