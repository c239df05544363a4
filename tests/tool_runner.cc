#include "tests/tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace d88test {

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "d88test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::map<std::string, Bytes> ScratchDir::files() const {
  std::map<std::string, Bytes> found;
  for (const auto& entry : fs::directory_iterator(path_)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_symlink() && !fs::is_regular_file(fs::status(entry.path()))) {
      found[name] = Bytes();
    } else if (!entry.is_directory()) {
      found[name] = readFile(entry.path().string());
    }
  }
  return found;
}

namespace {

std::string slurp(const std::string& path) {
  const Bytes bytes = readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

RunResult runTool(const std::string& program,
                  const std::vector<std::string>& args, const std::string& dir,
                  const std::string& stdoutPath) {
  ScratchDir capture;
  const std::string outPath =
      stdoutPath.empty() ? capture.file("stdout") : stdoutPath;
  const std::string errPath = capture.file("stderr");
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  RunResult result;
  const pid_t child = fork();
  if (child == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(dir.c_str()) != 0) {
      _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return result;
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (stdoutPath.empty()) result.out = slurp(outPath);
  result.err = slurp(errPath);
  return result;
}

}  // namespace d88test
