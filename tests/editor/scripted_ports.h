#pragma once

// Stand-ins for the window, file and system ports: the state the shell sets is kept in
// plain members, and the answers are what the test puts there.

#include "editor/platform.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace trelvo::testing {

class ScriptedWindow : public WindowPort {
public:
    ScriptedWindow();

    std::map<CommandId, bool> buttons;
    std::map<CommandId, bool> menuChecks;
    std::map<CommandId, bool> buttonChecks;
    std::array<std::string, 2> statusTexts;
    int statusBarBuilds = 0;
    bool helpWindowShown = false;
    int quitRequests = 0;

    void SetButtonEnabled(CommandId id, bool enabled) override { buttons[id] = enabled; }
    bool IsButtonEnabled(CommandId id) const override;
    void SetButtonChecked(CommandId id, bool checked) override { buttonChecks[id] = checked; }
    void SetMenuChecked(CommandId id, bool checked) override { menuChecks[id] = checked; }
    void BuildStatusBar() override;
    void SetStatusText(int field, const std::string& text) override;
    void ShowHelpWindow(bool shown) override { helpWindowShown = shown; }
    void RequestQuit() override { ++quitRequests; }

    bool RunEnabled() const { return IsButtonEnabled(CommandId::RunAnalysis); }
    bool LaunchEnabled() const { return IsButtonEnabled(CommandId::LaunchViewer); }
};

// The file system: path -> bytes; unreadable paths fail to read, failing paths fail to be
// written and keep what they held, as an atomic replace does.
class ScriptedFiles : public FilePort {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::set<std::string> failingWrites;
    std::vector<std::string> writeAttempts;

    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
};

struct StartedProcess {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
};

class ScriptedSystem : public SystemPort {
public:
    std::string currentFolder = "/home/ana/trusses";
    std::string viewerPath;    // what FindViewer answers; empty: not found
    bool processStarts = true; // what StartDetached answers
    LocalTime now{2026, 12, 7, 9, 5};
    int displayDpiY = 96;

    std::vector<StartedProcess> started;
    std::vector<std::string> viewerQueries;

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override;
    std::string FindViewer(const std::string& programFileName) override;
    std::string CurrentFolder() override { return currentFolder; }
    LocalTime Now() override { return now; }
    int DisplayDpiY() override { return displayDpiY; }
};

} // namespace trelvo::testing
