// The toolbar pictures and the program icon, checked for the colours they are described by.
#include "qt/common/icon_art.h"
#include "qt/editor/icons.h"
#include "qt/common/prerendered_icons.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace trelvo::qt {
namespace {

// Whether some pixel of the picture is opaque enough and satisfies `test`.
bool Has(ButtonImage image, int size, const std::function<bool(const QColor&)>& test) {
    const QImage picture = RenderButtonImage(image, size).toImage();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            if (colour.alpha() > 200 && test(colour))
                return true;
        }
    return false;
}

bool Blue(const QColor& c) { return c.blue() > 150 && c.red() < 100 && c.green() < 140; }
bool Green(const QColor& c) { return c.green() > 120 && c.red() < 100 && c.blue() < 100; }
bool Red(const QColor& c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }
bool DarkRed(const QColor& c) { return c.red() > 100 && c.red() < 180 && c.green() < 40 && c.blue() < 40; }
bool Black(const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; }
bool White(const QColor& c) { return c.red() > 230 && c.green() > 230 && c.blue() > 230; }

TEST(Icons, Icon1IsABlueAndGreenTrussWithADarkRedLoad) {
    EXPECT_EQ(RenderButtonImage(ButtonImage::Icon1, 32).size(), QSize(32, 32));
    EXPECT_TRUE(Has(ButtonImage::Icon1, 32, Blue));
    EXPECT_TRUE(Has(ButtonImage::Icon1, 32, Green));
    EXPECT_TRUE(Has(ButtonImage::Icon1, 32, DarkRed));
    EXPECT_FALSE(Has(ButtonImage::Icon1, 32, Red));
}

TEST(Icons, Icon5IsARedAndBlueTrussWithAGreenArrow) {
    EXPECT_TRUE(Has(ButtonImage::Icon5, 32, Red));
    EXPECT_TRUE(Has(ButtonImage::Icon5, 32, Blue));
    EXPECT_TRUE(Has(ButtonImage::Icon5, 32, Green));
}

TEST(Icons, Icon2IsBlackLettersWithARedMark) {
    EXPECT_TRUE(Has(ButtonImage::Icon2, 18, Black));
    EXPECT_TRUE(Has(ButtonImage::Icon2, 18, Red));
}

TEST(Icons, Icon6IsFullyTransparent) {
    const QImage blank = RenderButtonImage(ButtonImage::Icon6, 16).toImage();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(blank.pixelColor(x, y).alpha(), 0) << x << "," << y;
}

TEST(Icons, Icon7IsAWhiteQuestionMarkOnABlueDisc) {
    const QImage help = RenderButtonImage(ButtonImage::Icon7, 16).toImage();
    EXPECT_TRUE(Blue(help.pixelColor(3, 8)));
    EXPECT_TRUE(Has(ButtonImage::Icon7, 16, White));
    EXPECT_EQ(help.pixelColor(0, 0).alpha(), 0) << "a disc, not a square";
}

TEST(Icons, EveryToolbarPictureShowsSomething) {
    for (ButtonImage image : {ButtonImage::StdNew, ButtonImage::StdOpen, ButtonImage::StdSave,
                              ButtonImage::StdPrint, ButtonImage::StdCut, ButtonImage::StdCopy,
                              ButtonImage::StdPaste, ButtonImage::StdFind})
        EXPECT_TRUE(Has(image, 16, [](const QColor&) { return true; })) << static_cast<int>(image);
    EXPECT_TRUE(ButtonIcon(ButtonImage::None).isNull());
}

TEST(Icons, ApplicationIconIsIcon1AtSeveralSizes) {
    const QIcon icon = ApplicationIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_EQ(icon.pixmap(32, 32).toImage(), RenderButtonImage(ButtonImage::Icon1, 32).toImage());
}

// The tables are drawn by a tool without an application; the program must show exactly
// what it would have drawn itself.
TEST(Icons, PicturesDrawnAtBuildTimeAreTheDrawingsThemselves) {
    const auto sizes = PrerenderedSizes();
    const auto icons = PrerenderedIcons();
    ASSERT_EQ(icons.size(), sizes.size());
    for (std::size_t i = 0; i < icons.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "picture " << static_cast<int>(icons[i].image) << " at "
                                        << icons[i].size);
        ASSERT_EQ(icons[i].image, sizes[i].image);
        ASSERT_EQ(icons[i].size, sizes[i].size);
        const QImage drawn = DrawButtonImage(icons[i].image, icons[i].size);
        const QImage built(reinterpret_cast<const uchar*>(icons[i].pixels), icons[i].size,
                           icons[i].size, icons[i].size * 4, QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(built, drawn);
    }
}

TEST(Icons, StartUpDrawsNothing) {
    const auto built = [](ButtonImage image, int size) {
        for (const PrerenderedIcon& icon : PrerenderedIcons())
            if (icon.image == image && icon.size == size)
                return true;
        return false;
    };
    for (const ToolbarEntry& entry : ToolbarLayout()) {
        if (entry.separator)
            continue;
        const ButtonImage image =
            entry.placeholder ? ButtonImage::Icon6 : CommandInfoOf(entry.id).image;
        EXPECT_TRUE(built(image, kToolbarIconSize)) << static_cast<int>(entry.id);
        EXPECT_TRUE(built(image, 2 * kToolbarIconSize)) << static_cast<int>(entry.id);
    }
    for (const QSize& size : ApplicationIcon().availableSizes())
        EXPECT_TRUE(built(ButtonImage::Icon1, size.width())) << size.width();
}

TEST(Icons, ButtonIconShowsTheBuiltPictureAndDrawsOtherSizes) {
    const QIcon find = ButtonIcon(ButtonImage::StdFind);
    EXPECT_EQ(find.pixmap(16, 16).toImage(), DrawButtonImage(ButtonImage::StdFind, 16));
    EXPECT_EQ(find.pixmap(20, 20).toImage(), DrawButtonImage(ButtonImage::StdFind, 20));
}

} // namespace
} // namespace trelvo::qt
