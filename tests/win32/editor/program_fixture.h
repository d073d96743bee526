#pragma once

// A whole Windows program per test, in this process, with a script that answers its modal
// dialogs in order, as a user would. The script sees each dialog when it is activated
// (a computer-based-training hook, the system's way to watch windows come and go) and
// answers with messages that the dialog's own loop then handles.
#include "win32/editor/program.h"
#include "win32/editor/prompt_dialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace trelvo::win32::test {

using Answer = std::function<void(HWND dialog)>;

// Answers: type a text into the prompt's field and press Enter; press Escape in any
// dialog; push a button of a message box; choose a file name in a file requester.
Answer TypeAndEnter(const std::string& text);
Answer PressEscape();
Answer PushButton(int id);
Answer ChooseFile(const std::string& path);

// The text a dialog shows besides its buttons (a message box's message).
std::string DialogText(HWND dialog);
std::string WindowText(HWND window);

class DialogScript {
public:
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    // A dialog waits: the next answer, once per dialog; one nobody expected is cancelled.
    void Answer(HWND dialog);
    // Titles and texts of the dialogs seen, in order.
    const std::vector<std::string>& Titles() const { return titles_; }
    const std::vector<std::string>& Texts() const { return texts_; }
    int Unanswered() const { return unanswered_; }
    bool Done() const { return answers_.empty(); }

    // Watches this thread's dialogs until Stop.
    void Watch();
    void Stop();

private:
    static LRESULT CALLBACK ForgetWhenGone(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR script);
    static LRESULT CALLBACK SeeActivation(int code, WPARAM wParam, LPARAM lParam);
    static DialogScript* watching_;

    HHOOK hook_ = nullptr;

    std::deque<test::Answer> answers_;
    std::set<HWND> answered_;
    std::vector<std::string> titles_;
    std::vector<std::string> texts_;
    int unanswered_ = 0;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override;
    // Makes the program, as started with `documentName` on its command line.
    void Start(const std::string& documentName = {});

    Program& TheProgram() { return *program_; }
    MainWindow& Window() { return program_->Window(); }
    HelpWindow& Help() { return program_->Help(); }
    RichEditor& Editor() { return program_->Editor(); }
    trelvo::Shell& TheShell() { return program_->Shell(); }

    // Handles the program's messages as its loop does until `done` holds; false when it
    // does not within the time-out.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
    // Handles every message waiting.
    void PumpPending();
    // A key pressed and released in the editor with the modifiers held, as the loop gets it.
    void Press(WORD key, std::initializer_list<int> modifiers = {});
    // A key pressed in another window of the program.
    void PressIn(HWND window, WORD key);
    // A mouse click on a toolbar button.
    void ClickButton(CommandId id);
    // Characters typed into the editor, as UTF-16.
    void Type(const std::wstring& text);
    // A command as the menu gives it.
    void Command(CommandId id);
    // The main window's close box.
    void Close();

    std::unique_ptr<Program> program_;
    DialogScript script_;

private:
    static LRESULT CALLBACK WatchMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR test);
    void ReleaseKeys();
    void StopProgram();

    std::vector<unsigned char> savedKeys_;
};

// A folder of its own for a test's files, removed with what it holds.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Whole files by UTF-8 names.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);

} // namespace trelvo::win32::test
