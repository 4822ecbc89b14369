// The settings file "Zefiran3D.ini": name=value lines held in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of the settings file as loaded (or as the dialog rebuilt them).
extern std::vector<std::string> listaini;

// Value of the first line whose name (text before the first "=") matches key
// without regard to letter case; empty when there is none.
std::string valoreini(std::string_view key);
