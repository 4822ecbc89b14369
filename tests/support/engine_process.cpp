#include "support/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

EngineProcess::EngineProcess(const std::vector<std::string>& args, const ProcessOptions& options) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    if (!options.keepDisplay) {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
    }
    if (!options.workingFolder.empty() && chdir(options.workingFolder.c_str()) != 0) _exit(127);
    std::string binary = options.binary.empty() ? std::string(ZEF_BINARY_DIR) + "/Zefiran3D" : options.binary.string();
    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  in_ = toChild[1];
  out_ = fromChild[0];
  signal(SIGPIPE, SIG_IGN);
}

EngineProcess::~EngineProcess() {
  if (in_ >= 0) close(in_);
  if (pid_ > 0 && wait(2000) < 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) close(out_);
}

void EngineProcess::send(const std::string& bytes) {
  if (in_ >= 0) (void)!write(in_, bytes.data(), bytes.size());
}

void EngineProcess::closeInput() {
  if (in_ >= 0) close(in_);
  in_ = -1;
}

bool EngineProcess::readLine(std::string& out, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    size_t nl = buffer_.find('\n');
    if (nl != std::string::npos) {
      out = buffer_.substr(0, nl);
      buffer_.erase(0, nl + 1);
      seen.push_back(out);
      return true;
    }
    const int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
    if (left <= 0) return false;
    pollfd p{out_, POLLIN, 0};
    if (poll(&p, 1, left) <= 0) return false;
    char buf[4096];
    const ssize_t n = read(out_, buf, sizeof buf);
    if (n <= 0) return false;
    buffer_.append(buf, static_cast<size_t>(n));
  }
}

bool EngineProcess::waitFor(const std::string& prefix, std::string* found, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string l;
  for (;;) {
    const int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
    if (left <= 0 || !readLine(l, left)) return false;
    if (l.rfind(prefix, 0) == 0) {
      if (found) *found = l;
      return true;
    }
  }
}

int EngineProcess::wait(int timeoutMs) {
  if (pid_ <= 0) return -1;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (std::chrono::steady_clock::now() > end) return -1;
    usleep(10000);
  }
}
