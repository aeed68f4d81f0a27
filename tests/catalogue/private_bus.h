// A D-Bus of a test's own: dbus-daemon on a socket in the test's folder, and the helper
// processes the test starts on it. Every process ends with the test (and with the test's process,
// should that die first).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::test {

// A program started with pipes on its standard input and output; ended when destroyed.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& words);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of its output without the line break; empty at its end.
  std::string ReadLine();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
};

class PrivateBus {
 public:
  explicit PrivateBus(const std::filesystem::path& folder);

  // Empty when the bus did not start.
  const std::string& address() const { return address_; }

 private:
  ChildProcess daemon_;
  std::string address_;
};

}  // namespace vantrel::test
