// The system side of the platform: files, processes, folders, clock and display.
#include "win32/editor/win32_platform.h"

#include "win32/common/dpi.h"
#include "win32/editor/main_window.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "files/wide_names.h"

#include <shellapi.h>

namespace trelvo::win32 {
namespace {

// One part of a command line as the C runtime's argument parsing reads it back:
// backslashes are doubled only where a quote follows them.
std::string Quoted(const std::string& part) {
    if (!part.empty() && part.find_first_of(" \t\"") == std::string::npos)
        return part;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : part) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

bool CreateDetachedProcess(const std::string& commandLine, const std::string& folder) {
    std::wstring line = WideName(commandLine); // CreateProcessW may write into the command line
    const std::wstring start = WideName(folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                          start.empty() ? nullptr : start.c_str(), &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool ShellExecuteDetached(const std::string& program, const std::string& parameters,
                          const std::string& folder) {
    const std::wstring file = WideName(program), arguments = WideName(parameters), start = WideName(folder);
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    execute.lpFile = file.c_str();
    execute.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    execute.lpDirectory = start.empty() ? nullptr : start.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&execute) != FALSE;
}

} // namespace

std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = "\"" + program + "\""; // a program name holds no quote
    if (!arguments.empty())
        line += " " + QuotedArguments(arguments);
    return line;
}

std::string QuotedArguments(const std::vector<std::string>& arguments) {
    std::string parameters;
    for (const std::string& argument : arguments) {
        if (!parameters.empty())
            parameters += ' ';
        parameters += Quoted(argument);
    }
    return parameters;
}

std::optional<std::string> Win32Platform::ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

bool Win32Platform::WriteFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes);
}

// Started in the given folder and not waited for: first as a process of its own, then,
// should that fail, through the shell.
bool Win32Platform::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& workingFolder) {
    const std::string folder = WithSeparator(workingFolder);
    return CreateDetachedProcess(CommandLine(program, arguments), folder) ||
           ShellExecuteDetached(program, QuotedArguments(arguments), folder);
}

// None of our own: the process start, given the program's bare name, looks beside the
// running program first, then in the current folder, the system folders and the search
// path, the order the viewer is wanted in. A search here would only repeat it, and could
// find a different file where the system's rules differ.
std::string Win32Platform::FindViewer(const std::string&) {
    return {};
}

// As long as the folder's name is: a long path is asked for again at its length.
std::string Win32Platform::CurrentFolder() {
    std::wstring folder(MAX_PATH + 1, L'\0');
    DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    }
    if (length == 0 || length >= folder.size())
        return {};
    folder.resize(length);
    return Utf8Name(folder);
}

LocalTime Win32Platform::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

// The editor's font is made for the main window's monitor.
int Win32Platform::DisplayDpiY() {
    return static_cast<int>(WindowDpi(window_.Handle()));
}

} // namespace trelvo::win32
