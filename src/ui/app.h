// The windowed program: the toolkit, the start-up, the main window and the
// event loop.
#pragma once

// Creates the application and the main window (opened maximised, or hidden
// once a WinBoard front end announces itself), runs the event loop and
// returns its exit code. The engine side of the start-up runs here too.
int eseguifinestra(int argc, char** argv);
