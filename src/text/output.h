// Lines to standard output: one unbuffered write per line, ended by a single
// line feed, so that a front end reading a pipe gets each line whole.
#pragma once

#include <functional>
#include <string>

void scrivilinea(const std::string& text);

// Tests capture the lines instead of writing them (nullptr restores stdout).
void setLineSink(std::function<void(const std::string&)> sink);
