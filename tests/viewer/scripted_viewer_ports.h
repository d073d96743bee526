#pragma once

// Stand-ins for the viewer core's ports, one a port: each records what the core asked of
// it and answers from its script.
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

struct ShownMessage {
    std::string title, text;
    MessageKind kind;
    bool whenUp;
    bool operator==(const ShownMessage&) const = default;
};

struct AskedFile {
    std::string title, start, extension; // no extension for the open requester
    bool operator==(const AskedFile&) const = default;
};

// Requesters answer from `answers` in turn, and cancel once it is empty.
class ScriptedDialogs : public ViewerDialogPort {
public:
    void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) override {
        messages.push_back({title, text, kind, false});
    }
    void ShowMessageWhenUp(const std::string& title, const std::string& text) override {
        messages.push_back({title, text, MessageKind::Plain, true});
    }
    std::string AskOpenFileName(const std::string& title, const std::string& start) override {
        return Answer({title, start, ""});
    }
    std::string AskSaveFileName(const std::string& title, const std::string& suggested, const FileKind& kind) override {
        return Answer({title, suggested, kind.extension});
    }

    std::vector<ShownMessage> messages;
    std::vector<AskedFile> asked;
    std::deque<std::string> answers;

private:
    std::string Answer(AskedFile request) {
        asked.push_back(std::move(request));
        if (answers.empty())
            return "";
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Files in memory; a write to a path in `unwritable` fails.
class MemoryFiles : public ViewerFilePort {
public:
    std::optional<std::string> ReadFile(const std::string& path) override {
        const auto file = files.find(path);
        return file == files.end() ? std::nullopt : std::optional(file->second);
    }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        if (unwritable.contains(path))
            return false;
        files[path] = bytes;
        return true;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;
};

// A "PNG" names the scene's size; the print dialog answers `outcome`.
class ScriptedPictures : public ViewerPicturePort {
public:
    std::string EncodePng(const Scene& scene) override {
        return encodes ? "PNG " + std::to_string(scene.width) + " x " + std::to_string(scene.height) : "";
    }
    PrintOutcome Print(const Scene& scene, bool landscape, const std::string& jobName) override {
        printed.push_back({scene.width, scene.height, landscape, jobName});
        return outcome;
    }

    struct Printed {
        double width, height;
        bool landscape;
        std::string jobName;
        bool operator==(const Printed&) const = default;
    };
    bool encodes = true;
    PrintOutcome outcome = PrintOutcome::Printed;
    std::vector<Printed> printed;
};

struct ScriptedViewerPorts {
    RecordingWindow window;
    ScriptedDialogs dialogs;
    MemoryFiles files;
    ScriptedPictures pictures;
    ViewerPorts Ports() { return {window, dialogs, files, pictures}; }
};

} // namespace trelvo::viewer::testing
