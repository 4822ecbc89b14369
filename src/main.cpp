#include <cstdio>
#include <string>
#include <vector>

#include "app/commandline.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto code = runCommandLine(args)) return *code;
  if (!args.empty()) {
    std::fprintf(stderr, "unknown option: %s\n", args[0].c_str());
    return 2;
  }
  return 0;
}
