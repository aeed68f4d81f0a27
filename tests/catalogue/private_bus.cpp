#include "private_bus.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir.h"

namespace vantrel::test {
namespace {

// Writes the bus's configuration into the folder; returns the file's path.
std::string WriteConfig(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / "bus.conf";
  WriteFile(file,
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>session</type>\n"
            "  <listen>unix:dir=" +
                folder.string() +
                "</listen>\n"
                "  <auth>EXTERNAL</auth>\n"
                "  <policy context=\"default\">\n"
                "    <allow user=\"*\"/>\n"
                "    <allow send_destination=\"*\"/>\n"
                "    <allow receive_sender=\"*\"/>\n"
                "    <allow own=\"*\"/>\n"
                "  </policy>\n"
                "</busconfig>\n");
  return file.string();
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& words) {
  int to_child[2];
  int from_child[2];
  if (::pipe2(to_child, O_CLOEXEC) != 0) return;
  if (::pipe2(from_child, O_CLOEXEC) != 0) {
    ::close(to_child[0]);
    ::close(to_child[1]);
    return;
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const pid_t parent = ::getpid();
  pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(127);
    ::dup2(to_child[0], STDIN_FILENO);
    ::dup2(from_child[1], STDOUT_FILENO);
    ::execvp(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  pid_ = pid;
  input_ = to_child[1];
  output_ = from_child[0];
}

ChildProcess::~ChildProcess() {
  if (input_ >= 0) ::close(input_);
  if (output_ >= 0) ::close(output_);
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
}

std::string ChildProcess::ReadLine() {
  std::string line;
  char byte = 0;
  while (output_ >= 0 && ::read(output_, &byte, 1) == 1 && byte != '\n') line.push_back(byte);
  return line;
}

PrivateBus::PrivateBus(const std::filesystem::path& folder)
    : daemon_("dbus-daemon",
              {"--config-file=" + WriteConfig(folder), "--nofork", "--print-address=1"}),
      address_(daemon_.ReadLine()) {}

}  // namespace vantrel::test
