// trelvo-batch as a whole process on the help example, against a program that only copies
// the deck to standard output: once linked as trelvo-batch is, which is the fair floor, and
// once linked the compiler's default way, for context. The programs take turns, so that a
// slow spell of the machine falls on all of them.
//
//   bench_batch [TRELVO_BATCH [COPY_FLOOR [COPY_FLOOR_DEFAULT_LINK]]]
//
// The arguments replace the programs built with the benchmark, to measure another build.
#include "bench/bench_timing.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace trelvo;

constexpr int kRuns = 201;

const std::string kHelpExample = std::string(TRELVO_SOURCE_DIR) + "/examples/help-example.txt";

struct Program {
    std::string path;
    std::vector<std::string> arguments; // after the program's name
    std::vector<double> milliseconds;
    bool failed = false;
};

// Runs the program once with standard output to /dev/null; the wall time from spawn to
// reaping, or a negative time when it failed.
double TimedRun(const Program& program) {
    std::vector<std::string> words{program.path};
    words.insert(words.end(), program.arguments.begin(), program.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    int status = -1;
    if (spawned == 0)
        waitpid(child, &status, 0);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return status == 0 ? elapsed.count() : -1;
}

void RunInTurns(std::vector<Program>& programs) {
    for (int run = 0; run < kRuns; ++run)
        for (Program& program : programs) {
            const double time = TimedRun(program);
            program.failed |= time < 0;
            program.milliseconds.push_back(time);
        }
}

} // namespace

int main(int argc, char** argv) {
    const auto given = [&](int index, const char* built) { return argc > index ? argv[index] : built; };
    std::vector<Program> programs{
        {given(1, TRELVO_BATCH_PROGRAM), {"--stdout", kHelpExample}, {}},
        {given(2, TRELVO_COPY_FLOOR_PROGRAM), {kHelpExample}, {}},
        {given(3, TRELVO_COPY_FLOOR_DEFAULT_LINK_PROGRAM), {kHelpExample}, {}},
    };
    RunInTurns(programs);
    for (const Program& program : programs)
        if (program.failed) {
            std::fprintf(stderr, "bench_batch: %s failed\n", program.path.c_str());
            return 1;
        }
    const double batch = bench::Median(programs[0].milliseconds);
    std::printf("medians of %d runs each, taking turns\n", kRuns);
    bench::ReportRatio("trelvo-batch --stdout help example vs copy, linked alike", batch,
                       bench::Median(programs[1].milliseconds), "ratio <= 1.3");
    bench::ReportRatio("trelvo-batch --stdout help example vs copy, default link", batch,
                       bench::Median(programs[2].milliseconds), "context only");
    return 0;
}
