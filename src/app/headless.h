// The program without a window: the same 20 ms tick, serving a WinBoard
// front end on standard input and output until "quit" or end of input.
#pragma once

int eseguimotore(const char* argv0);
