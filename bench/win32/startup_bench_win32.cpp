// How long trelvo.exe, as shipped, takes from its start to its first painted frame (the
// first time its thread waits for input with nothing left to do), against the system's
// Notepad (a peer: it loads the same common controls and dialogs) and, for information, a
// bare window that holds only a rich edit control: the medians of several starts of each,
// taken in turns, the ratios, and the files' sizes.
//   startup_bench_win32 [STARTS]
#include "bench/bench_timing.h"
#include "win32/common/windows_api.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultStarts = 11;
constexpr DWORD kLongestStart = 30000; // milliseconds

// Milliseconds from the start to the first wait for input; the program is then ended.
double TimeToFirstFrame(const std::string& commandLine) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    const bool idle = ::WaitForInputIdle(process.hProcess, kLongestStart) == 0;
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, kLongestStart);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return idle ? elapsed.count() : -1;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

double Kilobytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes))
        return 0.0;
    return (static_cast<double>(attributes.nFileSizeHigh) * 4294967296.0 + attributes.nFileSizeLow) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultStarts;
    struct Program {
        const char* name;
        std::string path;
        std::vector<double> times;
    };
    Program programs[] = {{"trelvo.exe", TRELVO_PROGRAM, {}},
                          {"notepad.exe", "notepad.exe", {}},
                          {"bare window with a rich edit", BARE_WINDOW_PROGRAM, {}}};
    for (int i = 0; i < starts; ++i) { // in turns, so that all see the same machine
        for (Program& program : programs) {
            program.times.push_back(TimeToFirstFrame(Quoted(program.path)));
            if (program.times.back() < 0) {
                std::fprintf(stderr, "%s did not come to wait for input\n", program.name);
                return 1;
            }
        }
    }
    std::printf("start to first painted frame, median of %d starts:\n", starts);
    for (const Program& program : programs)
        std::printf("  %-30s %8.1f ms\n", program.name, trelvo::bench::Median(program.times));
    const double ours = trelvo::bench::Median(programs[0].times);
    std::printf("  trelvo.exe / notepad.exe       %8.2f (goal: at most 1.2)\n",
                ours / trelvo::bench::Median(programs[1].times));
    std::printf("  trelvo.exe / bare window       %8.2f\n", ours / trelvo::bench::Median(programs[2].times));
    std::printf("sizes: trelvo.exe %.0f KB, the bare window %.0f KB\n", Kilobytes(programs[0].path),
                Kilobytes(programs[2].path));
    return 0;
}
