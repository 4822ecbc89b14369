// Command-line entries that run without the window.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Runs the command named by args (without the program name) when it is one
// of the program's command-line entries, and returns its exit code; returns
// nothing when args name no such command.
std::optional<int> runCommandLine(const std::vector<std::string>& args);
