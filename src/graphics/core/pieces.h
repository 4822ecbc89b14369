// The two piece sets: solid pieces for the 3D view, flat symbols lying on
// the board for the flat view. One set is built at a time.
#pragma once

// Empties the six piece meshes and the working mesh.
void svuotapezzi();
// svuotapezzi, then the flat set when vista is 2, else the 3D set, of the
// chosen piece set (pieceset.h; the angle tables are made first if need be).
void costruiscipezzi();
