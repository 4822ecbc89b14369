// The program started behind two pipes, for tests that talk to it as a
// front end would or start it as a user does.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ProcessOptions {
  std::filesystem::path binary;         // empty: the program of this build
  std::filesystem::path workingFolder;  // empty: the test's own
  bool keepDisplay = false;             // false: started without a display
};

class EngineProcess {
 public:
  explicit EngineProcess(const std::vector<std::string>& args = {"--engine"}, const ProcessOptions& options = {});
  ~EngineProcess();
  void send(const std::string& bytes);  // exactly these bytes
  void line(const std::string& text) { send(text + "\n"); }
  void closeInput();
  // The next output line, or false when none came within the time.
  bool readLine(std::string& out, int timeoutMs = 10000);
  // Reads lines until one starts with prefix; false on timeout or end.
  bool waitFor(const std::string& prefix, std::string* found = nullptr, int timeoutMs = 20000);
  // Waits for the process to end; its exit status, or -1 on timeout.
  int wait(int timeoutMs = 10000);
  int pid() const { return pid_; }
  std::vector<std::string> seen;  // every line read so far

 private:
  int pid_ = -1;
  int in_ = -1, out_ = -1;
  std::string buffer_;
};
