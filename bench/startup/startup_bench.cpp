// Start-up of the program beside a bare Qt Widgets window: both started as whole
// processes, in turns (the order swapped every other pair, so that neither always
// profits from the other's warm caches), each timed from its start to its exit after
// its first painted window. Prints both medians, their ratio and the median peak
// resident memory.
//   startup_bench [--runs N] [--warmup N] [--platform NAME] [--cpu N]
// The platform defaults to Qt's offscreen platform. Both run on one processor (by
// default the one the benchmark starts on): on a virtual machine the processors may
// differ in speed by a third, and a run landing on one or the other would decide the
// medians more than the programs do.
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double ms = 0;
  double mib = 0;
};

struct Program {
  const char* label;
  const char* path;
  std::vector<Run> runs;
};

// One whole run of the program; false when it could not be started or failed.
bool RunOnce(const char* path, Run& run) {
  char* argv[] = {const_cast<char*>(path), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, path, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  const auto end = std::chrono::steady_clock::now();
  run.ms = std::chrono::duration<double, std::milli>(end - start).count();
  run.mib = usage.ru_maxrss / 1024.0;  // KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <class Member>
double MedianOf(const std::vector<Run>& runs, Member member) {
  std::vector<double> values;
  for (const Run& r : runs) values.push_back(r.*member);
  return Median(values);
}

// Qt wants a private runtime folder; without one every run would warn about it. Where
// none is given, one is made for the benchmark and removed after it.
class RuntimeFolder {
 public:
  RuntimeFolder() {
    if (!std::getenv("XDG_RUNTIME_DIR") && mkdtemp(path_)) {
      setenv("XDG_RUNTIME_DIR", path_, 1);
      made_ = true;
    }
  }
  ~RuntimeFolder() {
    if (made_) rmdir(path_);
  }

 private:
  char path_[32] = "/tmp/startup_bench-XXXXXX";
  bool made_ = false;
};

int Number(const char* text, const char* option) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 0 || value > 100000) {
    std::fprintf(stderr, "startup_bench: %s needs a whole number, not %s\n", option, text);
    std::exit(2);
  }
  return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 30, warmup = 3, cpu = std::max(0, sched_getcpu());
  std::string platform = "offscreen";
  for (int i = 1; i < argc; ++i) {
    const bool valued = i + 1 < argc;
    if (valued && std::strcmp(argv[i], "--runs") == 0) {
      runs = std::max(1, Number(argv[++i], "--runs"));
    } else if (valued && std::strcmp(argv[i], "--warmup") == 0) {
      warmup = Number(argv[++i], "--warmup");
    } else if (valued && std::strcmp(argv[i], "--platform") == 0) {
      platform = argv[++i];
    } else if (valued && std::strcmp(argv[i], "--cpu") == 0) {
      cpu = Number(argv[++i], "--cpu");
    } else {
      std::fprintf(stderr, "usage: startup_bench [--runs N] [--warmup N] [--platform NAME] [--cpu N]\n");
      return 2;
    }
  }
  setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(cpu, &one);
  if (sched_setaffinity(0, sizeof one, &one) != 0) {
    std::fprintf(stderr, "startup_bench: cannot run on processor %d\n", cpu);
    return 2;
  }
  const RuntimeFolder runtime;

  Program programs[] = {{"the program's first window", RC_FIRST_WINDOW, {}},
                        {"a bare Qt Widgets window", RC_BARE_WINDOW, {}}};
  for (int pair = 0; pair < warmup + runs; ++pair) {
    for (int k = 0; k < 2; ++k) {
      Program& program = programs[(pair + k) % 2];
      Run run;
      if (!RunOnce(program.path, run)) {
        std::fprintf(stderr, "startup_bench: %s did not run to its end\n", program.path);
        return 1;
      }
      if (pair >= warmup) program.runs.push_back(run);
    }
  }

  std::printf("%d paired runs on the %s platform, processor %d (after %d to warm up)\n", runs,
              platform.c_str(), cpu, warmup);
  for (const Program& program : programs) {
    std::printf("  %-28s median %6.1f ms, peak resident memory %5.1f MiB\n", program.label,
                MedianOf(program.runs, &Run::ms), MedianOf(program.runs, &Run::mib));
  }
  // The median of each pair's ratio too: it follows the machine's changing load better.
  std::vector<double> ratios;
  for (int i = 0; i < runs; ++i) ratios.push_back(programs[0].runs[i].ms / programs[1].runs[i].ms);
  std::printf("  ratio of the medians %.2f (median of the paired ratios %.2f)\n",
              MedianOf(programs[0].runs, &Run::ms) / MedianOf(programs[1].runs, &Run::ms),
              Median(ratios));
  return 0;
}
