#include "app/replacingfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

ReplacingFile::ReplacingFile(const std::string& path) : path_(path), temp_(path + ".XXXXXX") {
  fd_ = ::mkstemp(temp_.data());
  if (fd_ >= 0) ::fchmod(fd_, 0644);
  if (fd_ < 0) failure_ = std::strerror(errno);
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!done_ && fd_ != NOFILE) ::unlink(temp_.c_str());
}

void ReplacingFile::write(const std::string& text) {
  buffer_ += text;
  if (buffer_.size() >= FLUSHSIZE) flush();
}

bool ReplacingFile::commit(std::string& why) {
  flush();
  if (failure_.empty() && ::fsync(fd_) != 0) failure_ = std::strerror(errno);
  if (failure_.empty() && ::close(fd_) != 0) failure_ = std::strerror(errno);
  fd_ = -1;
  if (failure_.empty() && ::rename(temp_.c_str(), path_.c_str()) != 0) failure_ = std::strerror(errno);
  done_ = failure_.empty();
  if (!done_) {
    ::unlink(temp_.c_str());
    why = "cannot save " + path_ + ": " + failure_;
  }
  return done_;
}

void ReplacingFile::flush() {
  size_t at = 0;
  while (failure_.empty() && at < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + at, buffer_.size() - at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) failure_ = std::strerror(errno);
    if (n > 0) at += static_cast<size_t>(n);
  }
  buffer_.clear();
}
