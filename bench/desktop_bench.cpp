// The desktop program's speed where a user feels it: start-up to the first frame against a
// bare Qt window, Open of a full-size deck and of a 10 MB text against setting the same
// text into a bare editor, a keystroke in a 10 MB document, Replace over 10 MB against a
// plain one-pass replace, and Find Next through 10 000 matches.
#include "bench/bench_timing.h"
#include "qt/editor/desktop.h"
#include "qt/editor/qt_editor_control.h"
#include "editor/search.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <optional>
#include <vector>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace trelvo;
using trelvo::qt::Desktop;
using bench::MedianMilliseconds;

// A deck-like text of `bytes` bytes in lines of about 60 characters, CR LF line ends.
std::string DeckLikeText(std::size_t bytes, const std::string& word = "node") {
    std::string text;
    text.reserve(bytes + 64);
    for (int line = 1; text.size() + 64 < bytes; ++line)
        text += std::to_string(line) + " 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0 " + word + " " +
                std::to_string(line % 97) + "\r\n";
    text.append(bytes - text.size(), 'x');
    return text;
}

std::string WriteFile(const QTemporaryDir& folder, const char* name, const std::string& bytes) {
    const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// From starting the program to its first frame, as the program itself reports the moment
// on the steady clock; the work of ending it afterwards is not counted. Nothing when the
// program reported no frame.
std::optional<double> StartToFirstFrame(const char* program) {
    int pipe[2];
    if (::pipe(pipe) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const long long started = std::chrono::steady_clock::now().time_since_epoch().count();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    std::string output;
    char buffer[64];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    if (spawned == 0)
        waitpid(child, &status, 0);
    const long long frame = std::atoll(output.c_str());
    if (spawned != 0 || frame <= started)
        return std::nullopt;
    return static_cast<double>(frame - started) / 1e6;
}

// Answers the open requester with `path`, as a user typing the name would.
void AnswerOpenWith(Desktop& desktop, const std::string& path) {
    desktop.Platform().SetModalHook([path](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            files->selectFile(QString::fromStdString(path));
            dialog.accept(); // QFileDialog::accept, through the public base
        }
    });
}

double OpenMilliseconds(Desktop& desktop, const std::string& path, int runs) {
    AnswerOpenWith(desktop, path);
    return MedianMilliseconds(runs, [&desktop] {
        desktop.Shell().Dispatch(CommandId::Open);
        desktop.Shell().AfterEvent();
        QApplication::processEvents();
    });
}

double BareSetTextMilliseconds(const std::string& bytes, int runs) {
    QPlainTextEdit editor;
    editor.show();
    return MedianMilliseconds(runs, [&] {
        editor.setPlainText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        QApplication::processEvents();
    });
}

// The two programs take turns, so that a slow spell of the machine falls on both.
void MeasureStartUp() {
    std::vector<double> ours, bare;
    for (int run = 0; run < 41; ++run) {
        if (const auto time = StartToFirstFrame(TRELVO_DESKTOP_PROGRAM))
            ours.push_back(*time);
        if (const auto time = StartToFirstFrame(TRELVO_BARE_WINDOW_PROGRAM))
            bare.push_back(*time);
    }
    bench::ReportRatio("start to first frame: trelvo vs bare Qt window", bench::Median(ours),
                       bench::Median(bare),
                       "ratio <= 1.3");
}

void MeasureOpen(const QTemporaryDir& folder) {
    Desktop desktop;
    desktop.Show();
    const std::string deck = WriteFile(folder, "deck-64000.txt", DeckLikeText(64000));
    bench::Report("Open of a 64000-byte deck", OpenMilliseconds(desktop, deck, 21), "< 50 ms");

    const std::string big = DeckLikeText(10'000'000);
    const std::string bigPath = WriteFile(folder, "text-10mb.txt", big);
    std::string bare = big; // the bare editor gets the same lines, LF-separated
    bare.erase(std::remove(bare.begin(), bare.end(), '\r'), bare.end());
    bench::ReportRatio("Open of a 10 MB text vs bare setPlainText", OpenMilliseconds(desktop, bigPath, 5),
                       BareSetTextMilliseconds(bare, 5), "ratio <= 1.5");

    auto& editor = desktop.Window().Editor();
    editor.setFocus();
    editor.moveCursor(QTextCursor::End);
    const double keystroke = MedianMilliseconds(51, [&] {
        QTest::keyClick(&editor, Qt::Key_X);
        QApplication::processEvents();
    });
    bench::Report("one typed character in a 10 MB document", keystroke, "< 10 ms");
}

void MeasureSearch() {
    Desktop desktop;
    auto& editor = desktop.Window().Editor();
    const std::string text = DeckLikeText(10'000'000, "needle");
    editor.SetText(text);

    const double plain = MedianMilliseconds(5, [&] {
        std::string result = ReplaceAll(text, "needle", "pin");
        if (result.empty())
            std::abort();
    });
    const double replace = MedianMilliseconds(5, [&] {
        SearchState state;
        state.findText = "needle";
        state.replaceText = "pin";
        const std::string replaced = ReplaceAll(editor.GetText(), state.findText, state.replaceText);
        if (replaced.empty())
            std::abort();
    });
    const double setText = MedianMilliseconds(3, [&] { editor.SetText(text); });
    // After an edit the whole text is built again from the widget, once.
    const double rebuilt = MedianMilliseconds(5, [&] {
        editor.SelectRange(0, 0);
        editor.ReplaceSelection("x");
        if (editor.GetText().empty())
            std::abort();
    });
    bench::ReportRatio("Replace over 10 MB (without setting the text) vs std::string",
                       replace, plain, "ratio <= 2");
    bench::Report("  setting the replaced text into the editor", setText, "reported");
    bench::Report("  the whole 10 MB text after an edit (built once per change)", rebuilt,
                  "reported");

    editor.SetText(text);
    SearchState state;
    state.findText = "needle";
    state.matchIndex = -static_cast<std::int32_t>(state.findText.size()); // start at 0
    const auto start = std::chrono::steady_clock::now();
    int found = 0;
    for (; found < 10000; ++found) {
        FindNextCommand(state, editor);
        if (state.matchIndex < 0)
            break;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-58s %10.3f ms   (target: < 2000 ms; %d matches)\n",
                "Find Next through 10 000 matches in 10 MB", elapsed.count(), found);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    MeasureStartUp();
    if (argc > 1 && std::string(argv[1]) == "--start-up-only")
        return 0;
    MeasureOpen(folder);
    MeasureSearch();
    return 0;
}
