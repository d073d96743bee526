#pragma once

// Stand-ins for the viewer core's ports, one a port: each keeps what the core asked of it,
// dialogs and pictures as lines of text, and answers from its script.
#include "viewer/viewer_ports.h"

#include <deque>
#include <map>
#include <set>
#include <vector>

namespace trelvo::viewer::testing {

class RecordingWindow : public ViewerWindowPort {
public:
    void SetTitle(const std::string& text) override { title = text; }
    void ShowStatus(const ViewerStatus& shown) override { status = shown; }
    void SetCommandEnabled(ViewerCommandId id, bool on) override { enabled[id] = on; }
    void SetCommandChecked(ViewerCommandId id, bool on) override { checked[id] = on; }
    void ShowMagnification(const std::string& text) override { magnification = text; }
    void SetMagnificationEnabled(bool on) override { magnificationEnabled = on; }
    void Redraw() override { ++redraws; }
    Point2 ViewSize() const override { return size; }
    void Close() override { closed = true; }

    std::string title, magnification;
    ViewerStatus status;
    std::map<ViewerCommandId, bool> enabled, checked;
    bool magnificationEnabled = true, closed = false;
    int redraws = 0;
    Point2 size{800, 450};
};

// Messages as "title: text", a "later" one after it, and requests as "title: start
// [extension]"; requesters answer from `answers` in turn, then cancel.
class ScriptedDialogs : public ViewerDialogPort {
public:
    void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) override {
        messages.push_back(title + ": " + text + (kind == MessageKind::Warning ? " (warning)" : ""));
    }
    void ShowMessageWhenUp(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text + " (later)");
    }
    std::string AskOpenFileName(const std::string& title, const std::string& start) override {
        return Answer(title + ": " + start);
    }
    std::string AskSaveFileName(const std::string& title, const std::string& start, const FileKind& kind) override {
        return Answer(title + ": " + start + " [" + kind.extension + "]");
    }

    std::vector<std::string> messages, asked;
    std::deque<std::string> answers;

private:
    std::string Answer(std::string request) {
        asked.push_back(std::move(request));
        std::string answer = answers.empty() ? "" : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};

// Files in memory; a write to a path in `unwritable` fails.
class MemoryFiles : public ViewerFilePort {
public:
    std::optional<std::string> ReadFile(const std::string& path) override {
        return files.contains(path) ? std::optional(files.at(path)) : std::nullopt;
    }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        return !unwritable.contains(path) && (files[path] = bytes, true);
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;
};

// A "PNG" names the scene's size; prints are noted as "800x450 landscape Vantrel" and
// answered with `outcome`.
class ScriptedPictures : public ViewerPicturePort {
public:
    std::string EncodePng(const Scene& scene) override { return "PNG " + Size(scene); }
    PrintOutcome Print(const Scene& scene, bool landscape, const std::string& jobName) override {
        printed.push_back(Size(scene) + (landscape ? " landscape " : " portrait ") + jobName);
        return outcome;
    }

    PrintOutcome outcome = PrintOutcome::Printed;
    std::vector<std::string> printed;

private:
    static std::string Size(const Scene& scene) {
        return std::to_string(static_cast<int>(scene.width)) + "x" + std::to_string(static_cast<int>(scene.height));
    }
};

struct ScriptedViewerPorts {
    RecordingWindow window;
    ScriptedDialogs dialogs;
    MemoryFiles files;
    ScriptedPictures pictures;
    ViewerPorts Ports() { return {window, dialogs, files, pictures}; }
};

} // namespace trelvo::viewer::testing
