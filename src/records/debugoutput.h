// The engine's own remarks (time allotted, a search cut short, the time
// control read): a front end expects nothing but its protocol on standard
// output, so they are written only when debug output was asked for
// ("--debug", or UCI's "debug on"), as lines a front end passes over.
#pragma once

#include <string>

void setDebugOutput(bool on);
bool debugOutput();
// The remark as a comment line ("# text") when debug output is on; nothing otherwise.
void debugLine(const std::string& text);
