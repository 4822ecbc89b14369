// The program as a user starts it: the release executable, in a program
// folder of its own with no settings file, under the X server of the test
// run. It must open its window and draw a board, close cleanly on a close
// request, and without a display serve as the WinBoard engine; it writes
// only into the user's folders, and there only what was asked for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "support/engine_process.h"
#include "support/environment_variable.h"

// Xlib's macros (None, Bool, Status) come after every other header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* TITLE = "Zefiran_3D 0.92";
constexpr auto WINDOW_WAIT = std::chrono::seconds(20);
// Ending takes a few seconds on a loaded machine (the GL context, the
// log): the bound only tells a clean end from a hang.
constexpr int CLOSE_WAIT_MS = 30000;
// A plain surface, a cleared GL area or a frame without pieces has a
// handful of colours; the lit board with its textured squares and turned
// pieces has hundreds.
constexpr size_t BOARD_COLOURS = 200;

// A program folder as the build makes it, without a settings file.
fs::path programFolder(const fs::path& top) {
  const fs::path built(ZEF_BINARY_DIR);
  const fs::path folder = top / "program";
  fs::create_directories(folder);
  fs::copy_file(built / "Zefiran3D", folder / "Zefiran3D");
  fs::copy(built / "languages", folder / "languages", fs::copy_options::recursive);
  fs::copy(built / "skins", folder / "skins", fs::copy_options::recursive);
  fs::copy_file(built / "book.opn", folder / "book.opn");
  return folder;
}

fs::path scratch(const char* name) {
  const fs::path p = fs::temp_directory_path() / (std::string("zef-start-") + name + "-" + std::to_string(getpid()));
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

std::string windowName(Display* d, Window w) {
  Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
  Atom type;
  int format;
  unsigned long n, after;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(d, w, netName, 0, 256, False, utf8, &type, &format, &n, &after, &data) == Success && data) {
    name.assign(reinterpret_cast<char*>(data), n);
    XFree(data);
    return name;
  }
  char* plain = nullptr;
  if (XFetchName(d, w, &plain) && plain) {
    name = plain;
    XFree(plain);
  }
  return name;
}

// The caption is the title followed by a version suffix that releases leave
// empty, then the side to move after " - ".
bool isTitle(std::string name, const std::string& title) {
  const size_t turn = name.find(" - ");
  if (turn != std::string::npos) name.resize(turn);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name == title;
}

// The viewable window with that title, searched from the root down (there
// is no window manager under the test's X server, but there may be one on
// a desktop).
Window findWindow(Display* d, Window w, const std::string& title) {
  XWindowAttributes a;
  if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && isTitle(windowName(d, w), title)) return w;
  Window root, parent, *children = nullptr;
  unsigned int n = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &n)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < n && !found; ++i) found = findWindow(d, children[i], title);
  if (children) XFree(children);
  return found;
}

// Distinct colours in the middle of the window, where the board is drawn.
size_t boardColours(Display* d, Window w) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.width < 100 || a.height < 100) return 0;
  const int x = a.width * 2 / 5, y = a.height / 3, width = a.width / 5, height = a.height / 3;
  XImage* image = XGetImage(d, w, x, y, width, height, AllPlanes, ZPixmap);
  if (!image) return 0;
  std::set<unsigned long> colours;
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i) colours.insert(XGetPixel(image, i, j));
  XDestroyImage(image);
  return colours.size();
}

void askToClose(Display* d, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &e);
  XFlush(d);
}

int xErrors(Display*, XErrorEvent*) { return 0; }  // windows come and go while the tree is walked

// The user's folders under the test's own folder.
struct UserFolders {
  explicit UserFolders(const fs::path& top)
      : config("XDG_CONFIG_HOME", (top / "config").string()),
        state("XDG_STATE_HOME", (top / "state").string()),
        data("XDG_DATA_HOME", (top / "data").string()) {}
  zeftest::EnvironmentVariable config, state, data;
};

std::set<std::string> entries(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

}  // namespace

TEST(Avvio, TheWindowOpensDrawsTheBoardAndClosesCleanly) {
  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr) << "no X display";
  XSetErrorHandler(xErrors);
  const fs::path top = scratch("window");
  const fs::path folder = programFolder(top);
  const fs::path work = top / "work";
  fs::create_directories(work);
  const UserFolders user(top);

  ProcessOptions options;
  options.binary = folder / "Zefiran3D";
  options.workingFolder = work;
  options.keepDisplay = true;
  EngineProcess program({"--verification-log"}, options);

  const auto started = Clock::now();
  Window w = 0;
  while (!w && Clock::now() - started < WINDOW_WAIT) {
    w = findWindow(d, DefaultRootWindow(d), TITLE);
    if (!w) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_NE(w, 0u) << "no window titled \"" << TITLE << "\" within " << WINDOW_WAIT.count() << " s";
  size_t colours = 0;
  while (colours < BOARD_COLOURS && Clock::now() - started < WINDOW_WAIT) {
    colours = boardColours(d, w);
    if (colours < BOARD_COLOURS) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  EXPECT_GE(colours, BOARD_COLOURS) << "the board area looks blank";
  EXPECT_FALSE(fs::exists(folder / "Zefiran3D.ini")) << "starting must not write settings";

  askToClose(d, w);
  EXPECT_EQ(program.wait(CLOSE_WAIT_MS), 0) << "the program did not end cleanly on a close request";
  EXPECT_TRUE(fs::exists(top / "state/zefiran3d/verifica.txt")) << "the log asked for is in the state folder";
  EXPECT_EQ(entries(folder), (std::set<std::string>{"Zefiran3D", "book.opn", "languages", "skins"}));
  EXPECT_TRUE(fs::is_empty(work));
  XCloseDisplay(d);
  fs::remove_all(top);
}

TEST(Avvio, WithoutADisplayTheSameProgramIsTheWinBoardEngine) {
  const fs::path top = scratch("engine");
  const fs::path folder = programFolder(top);
  const UserFolders user(top);
  ProcessOptions options;
  options.binary = folder / "Zefiran3D";
  options.workingFolder = top;
  EngineProcess program({}, options);
  program.line("xboard");
  program.line("new");
  program.line("level 40 5 0");
  program.line("e2e4");
  std::string move;
  EXPECT_TRUE(program.waitFor("move ", &move));
  program.line("quit");
  EXPECT_EQ(program.wait(), 0);
  EXPECT_EQ(entries(top), std::set<std::string>{"program"}) << "nothing written that was not asked for";
  fs::remove_all(top);
}
