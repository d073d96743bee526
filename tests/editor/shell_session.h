#pragma once

// A shell started on the scripted platform, driven the way the window drives it: every
// command and every change of the editor is one event, followed by the after-event step.

#include "tests/editor/scripted_editor.h"
#include "tests/editor/scripted_platform.h"
#include "editor/shell.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace trelvo::testing {

inline const std::string kFolder = "/home/ana/trusses";
inline const std::string kDeckPath = kFolder + "/bridge.txt";
inline const std::string kResultsPath = kFolder + "/bridge-RZ.TXT";

// One bar along X from node 1 (held) to node 2 (free in X only), E = 1.0e8, A = 0.01,
// length 1, pulled by 1000 in X: stiffness E A / L = 1.0e6, so node 2 moves 1.0e-3, the
// stress is E x 1.0e-3 / 1 = 1.0e5 and the force 1.0e5 x 0.01 = 1.0e3.
inline const std::string kBarDeck = "ONE BAR\r\n"
                                    "2 1\r\n"
                                    "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0\r\n"
                                    "2 0 1 1 1.0 0.0 0.0 1000.0 0.0 0.0\r\n"
                                    "1 1 2 1.0e8 0.01\r\n";
// The same deck as the editor holds it after Open: no line end after the last line.
inline const std::string kBarText = kBarDeck.substr(0, kBarDeck.size() - 2);
// What the analysis adds after it.
inline const std::string kBarReport = "\r\n \r\n"
                                      "Node: Displacement (X,Y,Z)\r\n"
                                      "1   0.000E+00   0.000E+00   0.000E+00  \r\n"
                                      "2   1.000E-03   0.000E+00   0.000E+00  \r\n"
                                      " \r\n"
                                      "Element: Stress, Internal Force \r\n"
                                      "1   1.000E+05    1.000E+03\r\n";
// A node line with a letter where a number belongs.
inline const std::string kBadDeck = "BROKEN\r\n2 1\r\n1 1 1 1 zero 0.0 0.0 0.0 0.0 0.0\r\n";

// The messages a test expects, in order of appearance.
inline std::vector<ShownMessage> Shown(ShownMessage message) {
    return {std::move(message)};
}

struct Session {
    ScriptedPlatform platform;
    ScriptedEditor editor;
    Shell shell{platform.Ports(), editor};
    std::optional<bool> sessionMayEnd;

    Session() { shell.Start(); }

    void Do(CommandId id) {
        shell.Dispatch(id);
        shell.AfterEvent();
    }
    void Close() {
        shell.OnCloseRequest();
        shell.AfterEvent();
    }
    // The desktop session ends; what the shell answered is kept.
    void EndSession() {
        sessionMayEnd = shell.OnSessionEnding();
        shell.AfterEvent();
    }
    void Drop(const std::string& path) {
        shell.OnFileDropped(path);
        shell.AfterEvent();
    }
    // Keys typed at the caret.
    void Type(const std::string& text) {
        editor.Type(text);
        shell.AfterEvent();
    }
    // The whole text selected and replaced by what is typed.
    void Retype(const std::string& text) {
        editor.SelectRange(0, -1);
        Type(text);
    }
    // Puts the file on disk and opens it through the requester.
    void Open(const std::string& path, const std::string& bytes) {
        platform.files[path] = bytes;
        platform.openAnswers.push_back(path);
        Do(CommandId::Open);
    }
    void SaveAs(const std::string& path) {
        platform.saveAnswers.push_back(path);
        Do(CommandId::SaveAs);
    }

    std::string Text() const { return editor.GetText(); }
    const std::string& FileName() const { return shell.Document().fileName; }
    bool RunEnabled() const { return platform.RunEnabled(); }
    bool LaunchEnabled() const { return platform.LaunchEnabled(); }
};

class ShellTest : public ::testing::Test, public Session {};

} // namespace trelvo::testing
