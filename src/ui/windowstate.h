// The window's globals that no widget owns: the open game-over dialog, the
// tick count and the table of held keys.
#pragma once

#include <cstdint>
#include <string>

// Appended to the window caption after "Zefiran_3D 0.92 "; empty in releases.
extern const char* const VERSIONSUFFIX;

extern uint8_t risultatovisibile;  // the game-over dialog is open
extern int32_t contatoretick;      // ticks since start
extern uint8_t tastipremuti[256];  // 1 while the key with that virtual-key code is held

// The virtual-key code of a toolkit key (arrows 37..40, letters 65..90,
// digits 48..57), or -1 for keys the window does not track.
int keyCode(int tastoqt);

// Held-key bookkeeping shared by the window and its focus sink. Auto-repeat
// releases do not count: the key stays held.
void pressKey(int tastoqt);
void releaseKey(int tastoqt);
void releaseAllKeys();
