// One environment variable set for as long as the object lives (programs a
// test starts inherit it), then restored.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace zeftest {

class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* v = std::getenv(name)) saved_ = v;
    setenv(name, value.c_str(), 1);
  }
  ~EnvironmentVariable() {
    if (saved_)
      setenv(name_, saved_->c_str(), 1);
    else
      unsetenv(name_);
  }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

}  // namespace zeftest
