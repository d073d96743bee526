// The GDI+ painter against the Qt painter: the help example's results file as each viewer
// opens it, at the size of the Qt viewer's picture (written by the host tool
// write_opening_view), must cover the same cells with about the same ink and the same
// colours. Drawn by the painter alone, by the window, and by the program itself.
#include "tests/win32/viewer/coverage.h"
#include "win32/viewer/gdiplus_session.h"
#include "viewer/results_file.h"
#include "win32/viewer/scene_bitmap.h"
#include "win32/viewer/view_export.h"
#include "viewer/view_fit.h"
#include "win32/viewer/viewer_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

namespace trelvo::win32::test {
namespace {

constexpr int kCellSize = 40;
const std::string kFolder = TRELVO_VIEWER_REFERENCE_DIR;
const std::string kResultsFile = kFolder + "/help-example-RZ.TXT";
const std::wstring kReference(L"" TRELVO_VIEWER_REFERENCE_DIR L"/help-example.png");

class PainterPixels : public ::testing::Test {
protected:
    void SetUp() override {
        reference_ = std::make_unique<Gdiplus::Bitmap>(kReference.c_str());
        ASSERT_EQ(reference_->GetLastStatus(), Gdiplus::Ok) << "the Qt viewer's picture";
        size_ = SIZE{static_cast<LONG>(reference_->GetWidth()), static_cast<LONG>(reference_->GetHeight())};
        viewer::LoadResult result = viewer::LoadResultsFile(kResultsFile);
        ASSERT_TRUE(result.model.has_value());
        model_ = std::move(*result.model);
    }

    // A picture that differs is kept beside the test for a look at it.
    // `scale` is how much larger ours is drawn: its cells are as much larger, and their
    // pixels of each colour counted as in the reference's cells.
    void ExpectLikeTheQtPicture(Gdiplus::Bitmap& ours, const std::string& name, double scale = 1.0) {
        Coverage measured = Measure(ReadPixels(ours), static_cast<int>(std::lround(kCellSize * scale)));
        for (HueCounts& counts : measured.hues)
            for (int& count : counts)
                count = static_cast<int>(std::lround(count / (scale * scale)));
        const std::vector<std::string> differences = Differences(measured, Measure(ReadPixels(*reference_), kCellSize));
        for (const std::string& difference : differences)
            ADD_FAILURE() << name << ": " << difference;
        if (!differences.empty())
            std::ofstream(name + ".png", std::ios::binary) << EncodePng(ours);
    }

    GdiplusSession gdiplus_;
    std::unique_ptr<Gdiplus::Bitmap> reference_;
    SIZE size_{};
    viewer::ViewerModel model_;
};

TEST_F(PainterPixels, PainterCoversWhatTheQtPainterCovers) {
    const auto bitmap = SceneBitmap::Make(size_);
    ASSERT_NE(bitmap, nullptr);
    bitmap->Paint(viewer::OpeningScene(model_, size_.cx, size_.cy));
    ExpectLikeTheQtPicture(bitmap->Image(), "painter");
}

// At 144 dpi the same scene is shown half as large again: its lines, text and symbols too.
TEST_F(PainterPixels, PainterAt144DpiCoversWhatTheQtPainterCoversHalfAsLargeAgain) {
    const auto bitmap = SceneBitmap::Make(SIZE{size_.cx * 3 / 2, size_.cy * 3 / 2});
    ASSERT_NE(bitmap, nullptr);
    bitmap->Paint(viewer::OpeningScene(model_, size_.cx, size_.cy), 1.5);
    ExpectLikeTheQtPicture(bitmap->Image(), "painter-144-dpi", 1.5);
}

// The window's own paint, with the view given the picture's size.
TEST_F(PainterPixels, WindowPaintsTheResultsFileAsTheQtViewerOpensIt) {
    static INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    ViewerWindow window(::GetModuleHandleA(nullptr));
    ASSERT_TRUE(window.OpenFile(kResultsFile));
    ::ShowWindow(window.Handle(), SW_SHOWNORMAL);
    ::MoveWindow(window.View().Handle(), 0, 40, size_.cx, size_.cy, FALSE);
    ::RedrawWindow(window.View().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_NE(window.View().Picture(), nullptr);
    auto& picture = const_cast<SceneBitmap&>(*window.View().Picture());
    ExpectLikeTheQtPicture(picture.Image(), "window");
}

struct Found {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM found) {
    auto* wanted = reinterpret_cast<Found*>(found);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != wanted->process || !::IsWindowVisible(window) || ::GetParent(window))
        return TRUE;
    wanted->window = window;
    return FALSE;
}

// The shown window of a process, once its title names the document; null after a while.
HWND ShownWindow(DWORD process, const std::wstring& title) {
    for (int tries = 0; tries < 200; ++tries) {
        Found found{process, nullptr};
        ::EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        wchar_t text[256] = {};
        if (found.window && ::GetWindowTextW(found.window, text, 256) && title == text)
            return found.window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

// What the window shows on the screen, read back from it.
Pixels ScreenPixels(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const HDC screen = ::GetDC(window);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP copy = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ previous = ::SelectObject(memory, copy);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    Gdiplus::Bitmap bitmap(copy, nullptr);
    Pixels pixels = ReadPixels(bitmap);
    ::DeleteObject(copy);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return pixels;
}

int Total(const Coverage& coverage, Hue hue) {
    int total = 0;
    for (const HueCounts& counts : coverage.hues)
        total += counts[static_cast<std::size_t>(hue)];
    return total;
}

// The program as trelvo starts it, on the results file: its window shows the truss in
// the stress colours, and it ends when closed.
TEST_F(PainterPixels, ProgramOpensTheResultsFileAndPaintsIt) {
    std::string line = "\"" VANTREL_PROGRAM "\" " + kResultsFile;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    const HWND window = ShownWindow(process.dwProcessId, L"Vantrel - help-example-RZ.TXT");
    EXPECT_NE(window, nullptr);
    if (window) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // its first paint
        const Coverage shown = Measure(ScreenPixels(window), kCellSize);
        EXPECT_GT(Total(shown, Hue::Red), 2000) << "the tension bar and the ramp";
        EXPECT_GT(Total(shown, Hue::Blue), 1000) << "the compression bar and the ramp";
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = 1;
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, window ? 10000 : 0), WAIT_OBJECT_0);
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (!window)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

// A document in a folder and under a name that hold characters no ANSI code page holds
// reaches the program whole: its title names the document.
TEST_F(PainterPixels, ProgramTakesADocumentNamedInAnyCharacters) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / L"vantrel \u0394 \u00FC";
    const fs::path document = folder / L"\u0394\u00FC-RZ.TXT";
    fs::create_directories(folder);
    fs::copy_file(kResultsFile, document, fs::copy_options::overwrite_existing);
    std::wstring line = L"\"" VANTREL_PROGRAM L"\" " + document.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    EXPECT_NE(ShownWindow(process.dwProcessId, L"Vantrel - \u0394\u00FC-RZ.TXT"), nullptr);
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    fs::remove_all(folder);
}

} // namespace
} // namespace trelvo::win32::test
