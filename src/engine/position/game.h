// The game itself: playing moves onto record 0, the repetition history and
// the end-of-game rules.
#pragma once

#include <cstdint>

constexpr int STORICOSIZE = 200;
// Entry i: hashcheck of the game position whose halfmoves counter was i+1.
extern uint32_t storico[STORICOSIZE];

// 0 undecided, 1 the window, 2 a WinBoard front end.
extern int32_t modointerfaccia;

// The engine may resign a hopeless game (a setting of the settings file).
extern bool abbandonoconsentito;

// Result codes of finepartita.
constexpr int GAME_ON = 0;
constexpr int GAME_STALEMATE = -1;
constexpr int GAME_MATE = -2;
constexpr int GAME_REPETITION = -3;
constexpr int GAME_MATERIAL = -4;
constexpr int GAME_FIFTY = -5;
constexpr int GAME_RESIGN = -6;

void cancellastorico();

// Plays a move on the game position and records it; false (and nothing
// changes) when it is illegal or the game record is full.
bool giocamossa(uint32_t move);
// The generated move of the side to move whose from and to squares are the
// low 12 bits of code (low 17 bits; the last match, so a promotion gives the
// bishop), or 0.
uint32_t mossavalida(uint32_t code);
// 0 while the game goes on, else a result code; writes result and message.
int finepartita();
// Occurrences of the position of record ply-1 since the last irreversible move.
int repetitionCount();
// The current full-move number.
int numeromossa();

// Sets up the game's start position again and remakes its first n stored
// moves (skipping any that turn out illegal), without touching the move list;
// the board then shows move n.
void rigiocapartita(int n);
