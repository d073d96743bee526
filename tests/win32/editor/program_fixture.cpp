#include "tests/win32/editor/program_fixture.h"

#include "files/wide_names.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace trelvo::win32::test {
namespace {

constexpr UINT_PTR kWatchId = 1;
constexpr int kFileNameCombo = 0x47C; // cmb13 of the explorer-style requester
constexpr int kFileNameEdit = 0x480;  // edt1 of the older requester

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    char className[16] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        const std::string shown = WindowText(child);
        if (!shown.empty())
            *reinterpret_cast<std::string*>(text) += shown;
    }
    return TRUE;
}

HWND FileNameField(HWND dialog) {
    for (int id : {kFileNameCombo, kFileNameEdit})
        if (const HWND field = ::GetDlgItem(dialog, id))
            return field;
    return nullptr;
}

} // namespace

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string DialogText(HWND dialog) {
    std::string text;
    ::EnumChildWindows(dialog, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

Answer TypeAndEnter(const std::string& text) {
    return [text](HWND dialog) {
        const HWND field = ::GetDlgItem(dialog, kPromptFieldId);
        ASSERT_NE(field, nullptr) << "not a prompt: " << WindowText(dialog);
        ::SetWindowTextW(field, WideName(text).c_str());
        ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
        ::PostMessageA(field, WM_KEYUP, VK_RETURN, 0xC0000001);
    };
}

Answer PressEscape() {
    return [](HWND dialog) {
        const HWND focus = ::GetFocus();
        const HWND target = focus && ::IsChild(dialog, focus) ? focus : dialog;
        ::PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
        ::PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    };
}

Answer PushButton(int id) {
    return [id](HWND dialog) {
        const HWND button = ::GetDlgItem(dialog, id);
        ASSERT_NE(button, nullptr) << "no button " << id << " in " << WindowText(dialog);
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    };
}

Answer ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        const HWND field = FileNameField(dialog);
        ASSERT_NE(field, nullptr) << "not a file requester: " << WindowText(dialog);
        ::SetWindowTextW(field, WideName(path).c_str());
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    };
}

DialogScript* DialogScript::watching_ = nullptr;

void DialogScript::Watch() {
    watching_ = this;
    hook_ = ::SetWindowsHookExA(WH_CBT, &SeeActivation, nullptr, ::GetCurrentThreadId());
}

void DialogScript::Stop() {
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    watching_ = nullptr;
}

// Dialogs are of the system's dialog class; the program's own windows are not.
LRESULT CALLBACK DialogScript::SeeActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && watching_) {
        const auto window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770")
            watching_->Answer(window);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogScript::Answer(HWND dialog) {
    if (answered_.contains(dialog))
        return;
    answered_.insert(dialog);
    ::SetWindowSubclass(dialog, &ForgetWhenGone, kWatchId, reinterpret_cast<DWORD_PTR>(this));
    titles_.push_back(WindowText(dialog));
    texts_.push_back(DialogText(dialog));
    if (answers_.empty()) {
        ++unanswered_;
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const test::Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(dialog);
}

// A later dialog may get the same handle: the script forgets a dialog once it is gone.
LRESULT CALLBACK DialogScript::ForgetWhenGone(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR script) {
    if (message == WM_NCDESTROY) {
        reinterpret_cast<DialogScript*>(script)->answered_.erase(dialog);
        ::RemoveWindowSubclass(dialog, &ForgetWhenGone, id);
    }
    return ::DefSubclassProc(dialog, message, wParam, lParam);
}

void ProgramTest::Start(const std::string& documentName) {
    StopProgram();
    program_ = std::make_unique<Program>(documentName);
    ASSERT_NE(Window().Handle(), nullptr);
    ::SetWindowSubclass(Window().Handle(), &WatchMainWindow, kWatchId, reinterpret_cast<DWORD_PTR>(this));
    script_.Watch();
    program_->Show(SW_SHOWNORMAL);
    PumpPending();
}

void ProgramTest::StopProgram() {
    script_.Stop();
    if (program_ && ::IsWindow(Window().Handle()))
        ::RemoveWindowSubclass(Window().Handle(), &WatchMainWindow, kWatchId);
    program_.reset();
}

void ProgramTest::TearDown() {
    std::string seen;
    for (std::size_t i = 0; i < script_.Titles().size(); ++i)
        seen += " [" + script_.Titles()[i] + ": " + script_.Texts()[i] + "]";
    EXPECT_EQ(script_.Unanswered(), 0) << "a dialog nobody expected; seen:" << seen;
    EXPECT_TRUE(script_.Done()) << "answers left over: a dialog did not come";
    StopProgram();
}

// The keys held for an accelerator are let go once it has given its command, so that a
// dialog the command opens does not see them held.
LRESULT CALLBACK ProgramTest::WatchMainWindow(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR test) {
    if (message == WM_COMMAND && HIWORD(wParam) == 1)
        reinterpret_cast<ProgramTest*>(test)->ReleaseKeys();
    return ::DefSubclassProc(window, message, wParam, lParam);
}

bool ProgramTest::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            program_->HandleMessage(message);
            if (done())
                return true;
        }
        if (done())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void ProgramTest::PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        program_->HandleMessage(message);
}

void ProgramTest::ReleaseKeys() {
    if (savedKeys_.empty())
        return;
    ::SetKeyboardState(savedKeys_.data());
    savedKeys_.clear();
}

void ProgramTest::Press(WORD key, std::initializer_list<int> modifiers) {
    savedKeys_.assign(256, 0);
    ::GetKeyboardState(savedKeys_.data());
    std::vector<unsigned char> held = savedKeys_;
    for (int modifier : modifiers)
        held[static_cast<std::size_t>(modifier)] = 0x80;
    ::SetKeyboardState(held.data());
    PressIn(Editor().Handle(), key);
    ReleaseKeys();
}

void ProgramTest::PressIn(HWND window, WORD key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    PumpPending();
}

void ProgramTest::ClickButton(CommandId id) {
    const HWND toolbar = Window().Tools().Handle();
    RECT button{};
    ASSERT_TRUE(::SendMessageW(toolbar, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&button)));
    const LPARAM centre = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    ::PostMessageW(toolbar, WM_MOUSEMOVE, 0, centre);
    ::PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageW(toolbar, WM_LBUTTONUP, 0, centre);
    PumpPending();
}

void ProgramTest::Type(const std::wstring& text) {
    for (wchar_t character : text)
        ::PostMessageW(Editor().Handle(), WM_CHAR, character, 1);
    PumpPending();
}

void ProgramTest::Command(CommandId id) {
    ::PostMessageW(Window().Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    PumpPending();
}

void ProgramTest::Close() {
    ::PostMessageW(Window().Handle(), WM_CLOSE, 0, 0);
    PumpPending();
}

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> next{0};
    char base[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "trelvo-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(next++);
    std::filesystem::create_directories(path_);
}

// Read-only files are made writable first: the system refuses to delete them.
TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
        ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, error);
}

// Names are UTF-8, as the program holds them.
std::string ReadBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(WideName(path)), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(std::filesystem::path(WideName(path)), std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file.flush());
}

} // namespace trelvo::win32::test
