// The standard output of a shell command, read whole (its standard error
// goes where the command line sends it).
#pragma once

#include <cstdio>
#include <string>

namespace zeftest {

inline std::string commandOutput(const std::string& command) {
  std::string out;
  if (std::FILE* p = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, got);
    ::pclose(p);
  }
  return out;
}

}  // namespace zeftest
