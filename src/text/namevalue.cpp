#include "text/namevalue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool sameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

const std::string* findLine(const std::vector<std::string>& lines, std::string_view key, size_t& eq) {
  for (const std::string& line : lines) {
    eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (sameNoCase(std::string_view(line).substr(0, eq), key)) return &line;
  }
  return nullptr;
}

std::string systemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + errorCause(errno);
}

std::vector<std::string>& problems() {
  static std::vector<std::string> list;
  return list;
}

// Writes all of data to fd, retrying short writes.
bool writeAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string lookupNameValue(const std::vector<std::string>& lines, std::string_view key) {
  size_t eq = 0;
  const std::string* line = findLine(lines, key, eq);
  return line ? line->substr(eq + 1) : std::string();
}

bool definesName(const std::vector<std::string>& lines, std::string_view key) {
  size_t eq = 0;
  return findLine(lines, key, eq) != nullptr;
}

std::vector<std::string> dividirighe(std::string_view text) {
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

esitolettura leggirighe(const std::string& path, std::vector<std::string>& righe, std::string& errore) {
  errore.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    errore = systemError("cannot open", path);
    return missing ? esitolettura::mancante : esitolettura::illeggibile;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    errore = "cannot read " + path + ": not a regular file";
    ::close(fd);
    return esitolettura::illeggibile;
  }
  std::string data;
  char buffer[8192];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      errore = systemError("cannot read", path);
      ::close(fd);
      return esitolettura::illeggibile;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
    if (data.size() > static_cast<size_t>(MAXTEXTFILE)) {
      errore = "cannot read " + path + ": larger than " + std::to_string(MAXTEXTFILE) + " bytes";
      ::close(fd);
      return esitolettura::illeggibile;
    }
  }
  ::close(fd);
  if (data.find('\0') != std::string::npos) {
    errore = "cannot read " + path + ": not a text file";
    return esitolettura::illeggibile;
  }
  righe = dividirighe(data);
  return esitolettura::letto;
}

bool scrivirighe(const std::string& path, const std::vector<std::string>& righe, std::string& errore) {
  errore.clear();
  std::string data;
  for (const std::string& line : righe) {
    data += line;
    data += "\r\n";
  }
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    errore = systemError("cannot save", path);
    return false;
  }
  ::fchmod(fd, 0644);
  bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
  if (!ok) errore = systemError("cannot save", path);
  if (::close(fd) != 0 && ok) {
    ok = false;
    errore = systemError("cannot save", path);
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    errore = systemError("cannot save", path);
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

void reportProblem(const std::string& messaggio) {
  std::vector<std::string>& list = problems();
  if (std::find(list.begin(), list.end(), messaggio) != list.end()) return;
  list.push_back(messaggio);
  std::fprintf(stderr, "Zefiran_3D: %s\n", messaggio.c_str());
}

const std::vector<std::string>& problemiavvio() { return problems(); }

void clearProblems() { problems().clear(); }

std::string errorCause(int err) {
  // Front ends read an engine's standard error too, and some take the
  // system's "No such file or directory" for a program that failed to start.
  if (err == ENOENT || err == ENOTDIR) return "the file is missing";
  return std::strerror(err);
}
