#include "tests/tool_runner.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace d88test {

ScratchDir::ScratchDir() {
  static std::mt19937_64 random(std::random_device{}());
  for (;;) {
    const fs::path candidate =
        fs::temp_directory_path() / ("d88test-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
    if (error) std::abort();  // not "it exists already": no way on
  }
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

void blockWithDirectory(const std::string& path) { fs::create_directory(path); }

std::string directoryInTheWay() {
#ifdef _WIN32
  return std::strerror(EACCES);
#else
  return std::strerror(EISDIR);
#endif
}

bool makeLink(const std::string& target, const std::string& path) {
#ifdef _WIN32
  (void)target;
  (void)path;
  return false;
#else
  return symlink(target.c_str(), path.c_str()) == 0;
#endif
}

std::string noRoom() { return std::strerror(ENOSPC); }

namespace {

std::string slurp(const std::string& path) {
  const Bytes bytes = readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

#ifdef _WIN32
// One argument of a command line as the C runtime splits it again.
std::string quoted(const std::string& arg) {
  std::string out = "\"";
  std::size_t slashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    out.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
    slashes = 0;
    out += c;
  }
  out.append(2 * slashes, '\\');
  return out + "\"";
}

HANDLE createInheritable(const std::string& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int spawn(const std::string& program, const std::vector<std::string>& args,
          const std::string& dir, const std::string& outPath,
          const std::string& errPath) {
  std::string commandLine = quoted(program);
  for (const std::string& arg : args) commandLine += " " + quoted(arg);
  HANDLE out = createInheritable(outPath);
  HANDLE err = createInheritable(errPath);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process = {};
  int status = -1;
  if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
      CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr,
                     TRUE, 0, nullptr, dir.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) {
      status = static_cast<int>(code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
  return status;
}
#else
int spawn(const std::string& program, const std::vector<std::string>& args,
          const std::string& dir, const std::string& outPath,
          const std::string& errPath) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
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
  if (child < 0 || waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace

RunResult runTool(const std::string& program,
                  const std::vector<std::string>& args, const std::string& dir,
                  const std::string& stdoutPath) {
  ScratchDir capture;
  const std::string outPath =
      stdoutPath.empty() ? capture.file("stdout") : stdoutPath;
  const std::string errPath = capture.file("stderr");
  RunResult result;
  result.status = spawn(program, args, dir, outPath, errPath);
  if (stdoutPath.empty()) result.out = slurp(outPath);
  result.err = slurp(errPath);
  return result;
}

RunResult ToolSession::runOn(const Bytes& bytes,
                             const std::string& name) const {
  if (!writeFile(dir_.file(name), bytes)) {
    RunResult failed;
    failed.status = -2;
    return failed;
  }
  return run({name});
}

std::map<std::string, Bytes> ToolSession::created(
    const std::string& input) const {
  std::map<std::string, Bytes> files = dir_.files();
  files.erase(input);
  return files;
}

}  // namespace d88test
