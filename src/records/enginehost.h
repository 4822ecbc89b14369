// The program's answers to the engine's questions (engine/host.h): lines go
// to standard output, settings come from the settings file, the book move
// from the opening book, move texts are SAN, and verification lines go to
// the verification log.
#pragma once

// Installs those answers; the program does this once at start-up.
void installEngineHost();
