// The program's style: the first frame of the main window starts no painting threads, and
// the bars keep their edge lines. Each test binary is a process of its own, and no test
// before the first one here has painted anything.
#include "qt/editor/desktop.h"
#include "qt/editor/quick_start_style.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace trelvo::qt {
namespace {

int ThreadsOfThisProcess() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

class QuickStartStyleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(new QuickStartStyle); }
};

// The rasterizer shares a long enough run of pixels out to a pool of threads, which it
// starts on first use; that alone costs the first frame about as much as its drawing.
TEST_F(QuickStartStyleTest, FirstFrameOfTheMainWindowStartsNoThreads) {
    const int before = ThreadsOfThisProcess();
    ASSERT_GT(before, 0);
    Desktop desktop;
    desktop.Show();
    const QImage frame = desktop.Window().grab().toImage();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(ThreadsOfThisProcess(), before);
}

int Lightness(QRgb pixel) { return qGray(pixel); }

TEST_F(QuickStartStyleTest, BarsAreShadedWithEdgeLines) {
    Desktop desktop;
    desktop.Show();
    MainWindow& window = desktop.Window();
    const QImage frame = window.grab().toImage();
    const int window_ = Lightness(window.palette().window().color().rgb());
    const int x = window.width() - 10; // past the last button and menu title

    const QRect toolBar = window.findChild<QToolBar*>()->geometry();
    EXPECT_LT(Lightness(frame.pixel(x, toolBar.bottom())), window_) << "shadow below the toolbar";
    EXPECT_GE(Lightness(frame.pixel(x, toolBar.top())), window_) << "light line above it";
    EXPECT_GE(Lightness(frame.pixel(x, toolBar.center().y())), window_ - 1);

    const QRect menuBar = window.menuBar()->geometry();
    EXPECT_LT(Lightness(frame.pixel(x, menuBar.bottom())), window_) << "shadow below the menus";
    EXPECT_EQ(Lightness(frame.pixel(x, menuBar.center().y())), window_);
}

} // namespace
} // namespace trelvo::qt
