// The program started as a WinBoard engine behind two pipes, for tests that
// talk to it as a front end would.
#pragma once

#include <string>
#include <vector>

class EngineProcess {
 public:
  explicit EngineProcess(const std::vector<std::string>& args = {"--engine"});
  ~EngineProcess();
  void send(const std::string& bytes);          // exactly these bytes
  void line(const std::string& text) { send(text + "\n"); }
  void closeInput();
  // The next output line, or false when none came within the time.
  bool readLine(std::string& out, int timeoutMs = 10000);
  // Reads lines until one starts with prefix; false on timeout or end.
  bool waitFor(const std::string& prefix, std::string* found = nullptr, int timeoutMs = 20000);
  // Waits for the process to end; its exit status, or -1 on timeout.
  int wait(int timeoutMs = 10000);
  std::vector<std::string> seen;  // every line read so far

 private:
  int pid_ = -1;
  int in_ = -1, out_ = -1;
  std::string buffer_;
};
