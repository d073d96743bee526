// How long trelvo.exe, as shipped, takes from its start to its first painted frame (the
// first time its thread waits for input with nothing left to do), against a bare window
// that holds only a rich edit control: the medians of several starts of each, taken in
// turns, their ratio, and the two files' sizes.
//   startup_bench_win32 [STARTS]
#include "windows_api.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultStarts = 11;
constexpr DWORD kLongestStart = 30000; // milliseconds

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from the start to the first wait for input; the program is then ended.
double TimeToFirstFrame(const std::string& commandLine) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start{}, painted{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    const bool idle = ::WaitForInputIdle(process.hProcess, kLongestStart) == 0;
    ::QueryPerformanceCounter(&painted);
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, kLongestStart);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return idle ? 1000.0 * Seconds(start, painted) : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::vector<double> trelvo, window;
    for (int i = 0; i < starts; ++i) { // alternated, so that both see the same machine
        trelvo.push_back(TimeToFirstFrame(Quoted(program)));
        window.push_back(TimeToFirstFrame(bare));
        if (trelvo.back() < 0 || window.back() < 0) {
            std::fprintf(stderr, "%s did not come to wait for input\n",
                         trelvo.back() < 0 ? program.c_str() : "the bare window");
            return 1;
        }
    }
    const double ours = Median(trelvo), theirs = Median(window);
    std::printf("start to first painted frame, median of %d starts:\n", starts);
    std::printf("  trelvo.exe                       %8.1f ms\n", ours);
    std::printf("  bare window with a rich edit     %8.1f ms\n", theirs);
    std::printf("  ratio                            %8.2f\n", ours / theirs);
    std::printf("sizes: trelvo.exe %.0f KB, the bare window %.0f KB\n", Kilobytes(program),
                Kilobytes(bareProgram));
    return 0;
}
