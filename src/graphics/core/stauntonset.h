// The Staunton set: solid pieces turned and carved in code for the 3D view,
// and outlined flat symbols for the flat view. Each build fills pezzi[]
// (the bodies) and pieceOutlines[] / pieceDetails[] (the trim); the caller
// empties them first. The solid knight faces -z (toward Black's side: the
// renderer turns Black's knights round); the flat knight faces left.
#pragma once

// Turns per revolution of the solid pieces' lathe.
constexpr int STAUNTON_SLICES = 28;

void buildStauntonSolid();
void buildStauntonFlat();
