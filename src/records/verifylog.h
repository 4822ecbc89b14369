// The verification log: problems and diagnostics gathered during the run,
// written to "verifica.txt" in the state folder (folders.h) when the program
// ends, when it was asked for (--verification-log).
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> listaverifica;

// Writes the log, lines ended by CR LF (the user's state folder is made on
// the first write); false when the file cannot be written.
bool scriviverifica(const std::string& path);

// Asks for the log to be written when the program ends.
void askForVerificationLog();

// Where the program writes the log when it ends: stateFolder() +
// "verifica.txt" when it was asked for, else empty (nothing is written).
std::string verificationLogFile();
