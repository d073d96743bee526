#include "tests/editor/scripted_ports.h"

#include <gtest/gtest.h>

namespace trelvo::testing {

// Buttons begin enabled, so that the tests see what the shell itself disables.
ScriptedWindow::ScriptedWindow() {
    for (CommandId id : {CommandId::RunAnalysis, CommandId::LaunchViewer})
        buttons[id] = true;
}

bool ScriptedWindow::IsButtonEnabled(CommandId id) const {
    const auto found = buttons.find(id);
    return found == buttons.end() || found->second;
}

void ScriptedWindow::BuildStatusBar() {
    ++statusBarBuilds;
    statusTexts = {};
}

void ScriptedWindow::SetStatusText(int field, const std::string& text) {
    ASSERT_TRUE(field == 0 || field == 1) << "status field " << field;
    statusTexts[static_cast<std::size_t>(field)] = text;
}

std::optional<std::string> ScriptedFiles::ReadFile(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end() || unreadable.contains(path))
        return std::nullopt;
    return found->second;
}

bool ScriptedFiles::WriteFile(const std::string& path, const std::string& bytes) {
    writeAttempts.push_back(path);
    if (failingWrites.contains(path))
        return false;
    files[path] = bytes;
    return true;
}

bool ScriptedSystem::StartDetached(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) {
    started.push_back({program, arguments, workingFolder});
    return processStarts;
}

std::string ScriptedSystem::FindViewer(const std::string& programFileName) {
    viewerQueries.push_back(programFileName);
    return viewerPath;
}

} // namespace trelvo::testing
