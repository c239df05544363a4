// Times tovakmus against the floor, side by side: after a warm-up, pairs of
// runs in fresh empty directories, alternating. Prints the median ratios of
// wall times and the peak resident memory of tovakmus.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Run {
  double seconds;
  long maxRssKiB;
};

// Runs `program input` in a fresh empty directory under `scratch`.
Run runIn(const fs::path& scratch, const std::string& program,
          const std::string& input) {
  const fs::path dir = scratch / "run";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    std::freopen("/dev/null", "w", stdout);
    execl(program.c_str(), program.c_str(), input.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s %s failed\n", program.c_str(), input.c_str());
    std::exit(1);
  }
  return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 == 1 ? v[v.size() / 2]
                           : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fputs("usage: bench_runner TOVAKMUS FLOOR DATA_DIR SCRATCH [PAIRS]\n",
               stderr);
    return 1;
  }
  const std::string tovakmus = fs::absolute(argv[1]).string();
  const std::string floorProgram = fs::absolute(argv[2]).string();
  const fs::path data = fs::absolute(argv[3]);
  const fs::path scratch = fs::absolute(argv[4]);
  const int pairs = argc > 5 ? std::atoi(argv[5]) : 11;
  const std::string bench64 = (data / "bench64.d88").string();
  const std::string walk = (data / "walk.d88").string();

  runIn(scratch, tovakmus, bench64);  // warm-up: files in the page cache
  runIn(scratch, floorProgram, bench64);
  runIn(scratch, tovakmus, walk);
  std::vector<double> benchRatio, walkRatio, mus, flo, wal;
  long peak = 0;
  for (int i = 0; i < pairs; ++i) {
    const Run a = runIn(scratch, tovakmus, bench64);
    const Run f = runIn(scratch, floorProgram, bench64);
    const Run w = runIn(scratch, tovakmus, walk);
    benchRatio.push_back(a.seconds / f.seconds);
    walkRatio.push_back(w.seconds / f.seconds);
    mus.push_back(a.seconds);
    flo.push_back(f.seconds);
    wal.push_back(w.seconds);
    peak = std::max({peak, a.maxRssKiB, w.maxRssKiB});
  }
  fs::remove_all(scratch / "run");
  std::printf("pairs: %d\n", pairs);
  std::printf(
      "median wall time: tovakmus bench64 %.1f ms, floor %.1f ms, "
      "tovakmus walk %.1f ms\n",
      1000 * median(mus), 1000 * median(flo), 1000 * median(wal));
  std::printf("tovakmus / floor on bench64.d88:        %.2f (target 1.25)\n",
              median(benchRatio));
  std::printf("tovakmus walk.d88 / floor bench64.d88:  %.2f (target 2.5)\n",
              median(walkRatio));
  std::printf("peak resident memory of tovakmus:       %.2f MiB (target 4)\n",
              peak / 1024.0);
  return 0;
}
