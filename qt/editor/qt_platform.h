#pragma once

#include "qt/editor/modal_runner.h"
#include "editor/platform.h"

namespace trelvo::qt {

class HelpWindow;
class MainWindow;

// The platform of the desktop program: the two windows, Qt's dialogs and our own, the
// printer, files, processes, folders, clock and display.
class QtPlatform : public WindowPort, public DialogPort, public FilePort, public SystemPort {
public:
    QtPlatform(MainWindow& window, HelpWindow& help);

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

    // Every modal dialog is handed to the hook once it is open (tests answer them so).
    void SetModalHook(qt::ModalHook hook) { modalHook_ = std::move(hook); }
    bool QuitRequested() const { return quitRequested_; }

private:
    MainWindow& window_;
    HelpWindow& help_;
    qt::ModalHook modalHook_;
    bool quitRequested_ = false;
};

} // namespace trelvo::qt
