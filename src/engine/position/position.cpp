#include "engine/position/position.h"

tposizione posizioni[MAXPLY];
int32_t ply = 0;
uint32_t listamosse[MAXPLY][MAXMOVES];
tattacchi attacchibianco[MAXPLY];
tattacchi attacchinero[MAXPLY];
uint8_t fullwidth = 1;
uint8_t perftmode = 0;
tpartita partita;
