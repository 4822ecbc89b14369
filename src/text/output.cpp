#include "text/output.h"

#include <unistd.h>

#include <cerrno>

namespace {
std::function<void(const std::string&)> lineSink;
}

void setLineSink(std::function<void(const std::string&)> sink) { lineSink = std::move(sink); }

void scrivilinea(const std::string& text) {
  if (lineSink) {
    lineSink(text);
    return;
  }
  std::string line = text + "\n";
  const char* p = line.data();
  size_t left = line.size();
  // One write normally does it; a pipe may still take a long line in parts.
  while (left > 0) {
    ssize_t n = ::write(1, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    p += n;
    left -= static_cast<size_t>(n);
  }
}
