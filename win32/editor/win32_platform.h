#pragma once

#include "editor/platform.h"
#include "win32/common/windows_api.h"

namespace trelvo::win32 {

class HelpWindow;
class MainWindow;

// The platform of the Windows program: the two windows, the system's dialogs and our
// prompt, the printer, files, processes, folders, clock and display. Every modal dialog
// is owned by the main window.
class Win32Platform : public WindowPort, public DialogPort, public FilePort, public SystemPort {
public:
    Win32Platform(MainWindow& window, HelpWindow& help);

    PlatformPorts Ports() { return {*this, *this, *this, *this}; }

    void SetButtonEnabled(CommandId id, bool enabled) override;
    bool IsButtonEnabled(CommandId id) const override;
    void SetButtonChecked(CommandId id, bool checked) override;
    void SetMenuChecked(CommandId id, bool checked) override;
    void BuildStatusBar() override;
    void SetStatusText(int field, const std::string& text) override;
    void ShowHelpWindow(bool shown) override;
    void RequestQuit() override;

    void ShowMessage(const std::string& title, const std::string& text) override;
    SaveChoice AskSaveChanges() override;
    std::string Prompt(const std::string& title, const std::string& message,
                       const std::string& preset) override;
    std::string AskOpenFileName(const std::string& title, const std::string& defaultText) override;
    std::string AskSaveFileName(const std::string& title, const std::string& defaultText) override;
    std::optional<FontChoice> ChooseFont(const std::string& faceName, int pointSize) override;
    std::unique_ptr<PrintJob> BeginPrint(const std::string& jobName) override;

    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override;
    std::string FindViewer(const std::string& programFileName) override;
    std::string CurrentFolder() override;
    LocalTime Now() override;
    int DisplayDpiY() override;

    bool QuitRequested() const { return quitRequested_; }

private:
    HWND Owner() const;

    MainWindow& window_;
    HelpWindow& help_;
    bool quitRequested_ = false;
};

// One command line for CreateProcessA: each part quoted where it holds a blank, a tab or
// a quote, so that the program sees every argument as one, whatever it holds.
std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments);

// The parameters of the same arguments for ShellExecuteExA, quoted the same way.
std::string QuotedArguments(const std::vector<std::string>& arguments);

} // namespace trelvo::win32
