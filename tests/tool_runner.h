// Runs a built program in a directory of its own and collects what it did:
// its standard output and standard error, byte for byte, its exit status and
// the files it left in the directory.
#ifndef TESTS_TOOL_RUNNER_H_
#define TESTS_TOOL_RUNNER_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/d88_writer.h"

namespace d88test {

struct RunResult {
  std::string out;
  std::string err;
  int status = -1;  // exit status; -1 when the program did not exit normally
};

// A fresh empty directory, removed with everything in it on destruction.
class ScratchDir {
 public:
  ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  ~ScratchDir();

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Every regular file or link in the directory (not in subdirectories) with
  // its bytes; a link to a device shows as its name with no bytes.
  std::map<std::string, Bytes> files() const;

 private:
  std::string path_;
};

// Puts an empty directory at `path`, in the way of a file of that name.
void blockWithDirectory(const std::string& path);
// What a program is told when it creates a file where a directory stands.
std::string directoryInTheWay();
// Puts a link at `path` to `target`; false where links cannot be made (on
// Windows, where the tests that need them are left out).
bool makeLink(const std::string& target, const std::string& path);
// What a program is told when a write fails for want of room (POSIX, a link
// to /dev/full).
std::string noRoom();

// Runs `program` with `args` in `dir`. Standard output goes to `stdoutPath`
// when it is given (and is then not collected).
RunResult runTool(const std::string& program,
                  const std::vector<std::string>& args, const std::string& dir,
                  const std::string& stdoutPath = "");

// One program and a fresh directory to run it in; the base of the
// end-to-end test fixtures.
class ToolSession {
 public:
  explicit ToolSession(std::string program) : program_(std::move(program)) {}

  RunResult run(const std::vector<std::string>& args) const {
    return runTool(program_, args, dir_.path());
  }
  // Writes `bytes` under `name` in the directory and runs on that file. A
  // file that cannot be written gives status -2.
  RunResult runOn(const Bytes& bytes,
                  const std::string& name = "disk.d88") const;
  // The files in the directory but `input`: what the runs created.
  std::map<std::string, Bytes> created(
      const std::string& input = "disk.d88") const;

 protected:
  std::string program_;
  ScratchDir dir_;
};

}  // namespace d88test

#endif  // TESTS_TOOL_RUNNER_H_
