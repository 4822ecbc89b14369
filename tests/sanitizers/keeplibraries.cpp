// Linked into every program of the sanitizer build only (see the top
// CMakeLists.txt and tests/CMakeLists.txt): no library is ever unloaded.
//
// Mesa unloads its GL driver when the window's display closes. The memory
// that only the driver's globals still pointed to then reads as leaked at
// exit, and the leak report can no longer name the module that allocated it,
// so no suppression can match it. Defined in the executable, this dlclose
// takes the place of the C library's for every library the program loads,
// and leaves each one mapped until the leak check has run.
extern "C" int dlclose(void*) { return 0; }
