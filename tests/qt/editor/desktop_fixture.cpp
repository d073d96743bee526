#include "tests/qt/editor/desktop_fixture.h"

#include "qt/editor/qt_prompt_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

namespace trelvo::qt::test {

Answer TypeAndEnter(const QString& text) {
    return [text](QDialog& dialog) {
        auto* prompt = qobject_cast<PromptDialog*>(&dialog);
        ASSERT_NE(prompt, nullptr) << "not a prompt: " << dialog.windowTitle().toStdString();
        QTest::keyClicks(prompt->Field(), text);
        QTest::keyClick(prompt->Field(), Qt::Key_Return);
    };
}

Answer PressKey(int key) {
    return [key](QDialog& dialog) {
        QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}

Answer PushBoxButton(int standardButton) {
    return [standardButton](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr) << "not a message box";
        QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        ASSERT_NE(button, nullptr) << "no such button";
        QTest::mouseClick(button, Qt::LeftButton);
    };
}

Answer ChooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        auto* requester = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(requester, nullptr) << "not a file requester";
        requester->selectFile(path);
        dialog.accept(); // QFileDialog::accept, through the public base
    };
}

Answer Cancel() {
    return [](QDialog& dialog) { dialog.reject(); };
}

void DialogScript::Install(QtPlatform& platform) {
    platform.SetModalHook([this](QDialog& dialog) { Answer(dialog); });
}

void DialogScript::Answer(QDialog& dialog) {
    titles_.append(dialog.windowTitle());
    if (answers_.empty()) {
        ++unanswered_;
        dialog.reject();
        return;
    }
    const test::Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(dialog);
    if (dialog.isVisible()) { // an answer that failed must not leave the test hanging
        ADD_FAILURE() << "dialog still open after its answer: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
}

void DesktopTest::SetUp() {
    desktop_ = std::make_unique<Desktop>();
    script_.Install(desktop_->Platform());
    desktop_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&desktop_->Window()));
}

void DesktopTest::TearDown() {
    EXPECT_EQ(script_.Unanswered(), 0) << "dialogs nobody expected: "
                                       << script_.Titles().join(QStringLiteral(", ")).toStdString();
    desktop_.reset();
}

void DesktopTest::Press(int key, Qt::KeyboardModifiers modifiers) {
    // A closed dialog leaves no window active on the offscreen platform, where a desktop's
    // window manager would give the activation back.
    if (QApplication::activeWindow() != &Window()) {
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
    QTest::keyClick(&Editor(), static_cast<Qt::Key>(key), modifiers);
}

void DesktopTest::ClickButton(CommandId id) {
    QAction* action = Window().ButtonAction(id);
    ASSERT_NE(action, nullptr);
    QWidget* button = Window().ToolBar()->widgetForAction(action);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void DesktopTest::Type(const QString& text) { QTest::keyClicks(&Editor(), text); }

} // namespace trelvo::qt::test
