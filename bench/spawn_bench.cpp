// Starts programs again and again, taking turns, and reports for each the
// median wall time from fork to exit and the median peak resident memory.
// A run that does not end with status 0 stops the benchmark.
//
// usage: spawn_bench ROUNDS WARMUP NAME=PROGRAM...

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string name;
    std::string path;
    std::vector<double> millis;
    std::vector<long> maxRssKib;
};

bool runOnce(Program &program, bool record)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", program.name.c_str(), status);
        return false;
    }
    if (record) {
        program.millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        program.maxRssKib.push_back(usage.ru_maxrss); // KiB on Linux
    }
    return true;
}

template<class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: spawn_bench ROUNDS WARMUP NAME=PROGRAM...\n", stderr);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int warmup = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos)
            return 2;
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}});
    }
    for (int round = 0; round < warmup + rounds; ++round) {
        // Take turns, and swap who goes first, so that drift in the machine
        // falls on all programs alike.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(k + round) % programs.size()];
            if (!runOnce(program, round >= warmup))
                return 1;
        }
    }
    for (const Program &program : programs) {
        std::printf("start name=%s median_ms=%.2f min_ms=%.2f max_ms=%.2f median_maxrss_kib=%ld runs=%zu\n",
                    program.name.c_str(), median(program.millis),
                    *std::min_element(program.millis.begin(), program.millis.end()),
                    *std::max_element(program.millis.begin(), program.millis.end()), median(program.maxRssKib),
                    program.millis.size());
    }
    return 0;
}
