// Attack maps (cheapest attacker per square, cached by key stamp) and
// from-scratch check detection.
#pragma once

#include <cstdint>

// Rebuild the map of record p unless its stamp already equals the record's hashcheck.
void calcolaattacchibianco(int p);
void calcolaattacchinero(int p);

// Square of a black piece attacking White's king on k (record ply), or 64.
uint8_t cercascaccobianco(int k);
// Square of a white piece attacking Black's king on k (record ply), or 64.
uint8_t cercascacconero(int k);
