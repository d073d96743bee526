#pragma once

// A whole desktop program per test, shown on the offscreen screen, with a script that
// answers its modal dialogs in order, as a user would.
#include "qt/editor/desktop.h"
#include "qt/editor/qt_editor_control.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace trelvo::qt::test {

using Answer = std::function<void(QDialog&)>;

// Answers: type a text into a prompt and press Enter or Escape; press a key in any dialog;
// pick a button of a message box; choose a file name in a file requester; cancel.
Answer TypeAndEnter(const QString& text);
Answer PressKey(int key);
Answer PushBoxButton(int standardButton);
Answer ChooseFile(const QString& path);
Answer Cancel();

class DialogScript {
public:
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    void Install(QtPlatform& platform);
    // Window titles of the dialogs seen, in order.
    const QStringList& Titles() const { return titles_; }
    // Dialogs that came when no answer was left (each was cancelled).
    int Unanswered() const { return unanswered_; }
    bool Done() const { return answers_.empty(); }

private:
    void Answer(QDialog& dialog);

    std::deque<test::Answer> answers_;
    QStringList titles_;
    int unanswered_ = 0;
};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainWindow& Window() { return desktop_->Window(); }
    HelpWindow& Help() { return desktop_->Help(); }
    QtEditorControl& Editor() { return desktop_->Window().Editor(); }
    trelvo::Shell& TheShell() { return desktop_->Shell(); }
    QtPlatform& ThePlatform() { return desktop_->Platform(); }

    // A key pressed while the editor has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A mouse click on a toolbar button.
    void ClickButton(CommandId id);
    // Types into the editor at its caret.
    void Type(const QString& text);

    std::unique_ptr<Desktop> desktop_;
    DialogScript script_;
};

} // namespace trelvo::qt::test
