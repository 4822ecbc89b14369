// The settings file written from the command line, for a player without the
// window and for scripts that set up an installed program.
#pragma once

#include <string>
#include <vector>

// zefiran3d --save-settings [KEY=VALUE...]
// Writes the settings file where the configuration dialog saves it: the
// settings the program would start with, each KEY=VALUE given replacing
// one of them (giocatore, localita, evento: any text; hash: 1 to 10;
// profonditalibro: 0 to 100; abbandona: si or no; skin, linguaggio: a file
// of the data folder's skins/ or languages/). Prints the file's path.
// Exit code 0, 1 when the file cannot be written, 2 for a bad KEY=VALUE
// (nothing is written then).
int saveSettingsCommand(const std::vector<std::string>& args);
