// The verification log: problems and diagnostics gathered during the run,
// written to "verifica.txt" in the working folder when the program ends.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> listaverifica;

// Writes the log, lines ended by CR LF; false when the file cannot be written.
bool scriviverifica(const std::string& path);
