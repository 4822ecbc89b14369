// A file written whole or not at all: the text goes to a temporary file in
// the same folder, renamed over the target once every byte is on disk.
#pragma once

#include <string>

class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  void write(const std::string& text);
  // False with the cause when the file could not be written whole.
  bool commit(std::string& why);

 private:
  static constexpr int NOFILE = -2;
  static constexpr size_t FLUSHSIZE = 1u << 20;
  void flush();
  std::string path_, temp_, buffer_, failure_;
  int fd_ = NOFILE;
  bool done_ = false;
};
