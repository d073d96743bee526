// How long trelvo.exe, as shipped, takes from its start to its first painted frame (the
// first time its thread waits for input with nothing left to do), against a bare window
// that holds only a rich edit control: the medians of several starts of each, taken in
// turns, their ratio, and the two files' sizes.
//   startup_bench_win32 [STARTS]
#include "bench_timing.h"
#include "windows_api.h"

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
    const std::string program = TRELVO_PROGRAM;
    const std::string bareProgram = BARE_WINDOW_PROGRAM;
    const std::string bare = Quoted(bareProgram);
    std::vector<double> programTimes, bareTimes;
    for (int i = 0; i < starts; ++i) { // alternated, so that both see the same machine
        programTimes.push_back(TimeToFirstFrame(Quoted(program)));
        bareTimes.push_back(TimeToFirstFrame(bare));
        if (programTimes.back() < 0 || bareTimes.back() < 0) {
            std::fprintf(stderr, "%s did not come to wait for input\n",
                         programTimes.back() < 0 ? program.c_str() : "the bare window");
            return 1;
        }
    }
    const double ours = trelvo::bench::Median(programTimes), theirs = trelvo::bench::Median(bareTimes);
    std::printf("start to first painted frame, median of %d starts:\n", starts);
    std::printf("  trelvo.exe                       %8.1f ms\n", ours);
    std::printf("  bare window with a rich edit     %8.1f ms\n", theirs);
    std::printf("  ratio                            %8.2f\n", ours / theirs);
    std::printf("sizes: trelvo.exe %.0f KB, the bare window %.0f KB\n", Kilobytes(program),
                Kilobytes(bareProgram));
    return 0;
}
