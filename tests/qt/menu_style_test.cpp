// Protects the owner-drawn menu items: their size, the icon column, the highlight box and frame, the lifted icon's shadow, the check box, separators (highlighted under the mouse) and disabled items.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "qt/menu_style.h"

namespace torvik {
namespace {

const QRgb Fill = TMenuStyle::HighlightFill;
const QRgb Frame = TMenuStyle::HighlightFrame;
const QRgb Shadow = TMenuStyle::IconShadow;
const QRgb IconGreen = qRgb(0, 120, 0);

class MenuStyleTest : public ::testing::Test {
protected:
    TMenuStyle style;
    QMenu menu;
    QAction* open = nullptr;
    QAction* grid = nullptr;
    QAction* separator = nullptr;
    QAction* disabled = nullptr;
    QAction* plain = nullptr;

    void SetUp() override {
        menu.setStyle(&style);
        QPixmap green(16, 16);
        green.fill(QColor::fromRgb(IconGreen));
        open = menu.addAction(QIcon(green), "&Open");
        grid = menu.addAction("Show &Grid");
        grid->setCheckable(true);
        grid->setChecked(true);
        separator = menu.addSeparator();
        disabled = menu.addAction(QIcon(green), "Unavailable");
        disabled->setEnabled(false);
        plain = menu.addAction("Plain");
        menu.popup(QPoint(10, 10));
        QApplication::processEvents();
    }

    // The menu as shown, with aActive under the mouse.
    QImage Shot(QAction* aActive) {
        menu.setActiveAction(aActive);
        QApplication::processEvents();
        return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRgb Colour(QPalette::ColorGroup aGroup, QPalette::ColorRole aRole) const {
        return menu.palette().color(aGroup, aRole).rgb();
    }
};

TEST_F(MenuStyleTest, ItemSizes) {
    const int textHeight = QFontMetrics(menu.font()).height();
    EXPECT_EQ(menu.actionGeometry(open).height(), std::max(textHeight + 2, 16 + 7));
    EXPECT_EQ(menu.actionGeometry(plain).height(), std::max(textHeight + 2, 16 + 7));
    // A caption taller than the image sets the height.
    QFont large = menu.font();
    large.setPixelSize(40);
    menu.setFont(large);
    menu.hide();
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_EQ(menu.actionGeometry(plain).height(), QFontMetrics(large).height() + 2);
    // Separators leave room for their line and a highlight box around it.
    EXPECT_EQ(menu.actionGeometry(separator).height(), TMenuStyle::SeparatorHeight);
    // Items reach across the menu: their left edges are the frame's inside.
    EXPECT_LE(menu.actionGeometry(plain).left(), 2);
}

TEST_F(MenuStyleTest, HighlightedItemWithItsLiftedIcon) {
    const QImage shot = Shot(open);
    const QRect r = menu.actionGeometry(open);
    const int midY = r.top() + r.height() / 2;
    // A light-blue box with a dark-blue frame over the whole item.
    EXPECT_EQ(shot.pixel(r.left(), midY), Frame);
    EXPECT_EQ(shot.pixel(r.right(), midY), Frame);
    EXPECT_EQ(shot.pixel(r.left() + 30, r.top()), Frame);
    EXPECT_EQ(shot.pixel(r.left() + 30, r.bottom()), Frame);
    EXPECT_EQ(shot.pixel(r.right() - 3, r.top() + 2), Fill);
    EXPECT_EQ(shot.pixel(r.left() + 1, r.top() + 1), Fill);
    // The icon box starts one pixel inside the item; the icon is lifted to
    // two pixels inside it, its shadow two pixels further right and down.
    const QPoint box(r.left() + 1, r.top() + 1);
    EXPECT_EQ(shot.pixel(box + QPoint(2, 2)), IconGreen);
    EXPECT_EQ(shot.pixel(box + QPoint(17, 17)), IconGreen);
    EXPECT_EQ(shot.pixel(box + QPoint(18, 10)), Shadow);
    EXPECT_EQ(shot.pixel(box + QPoint(19, 19)), Shadow);
    EXPECT_EQ(shot.pixel(box + QPoint(20, 10)), Fill);
    EXPECT_EQ(shot.pixel(box + QPoint(1, 1)), Fill);
}

TEST_F(MenuStyleTest, IconColumnCheckBoxAndPlainItems) {
    const QImage shot = Shot(nullptr);
    const QRgb buttonFace = Colour(QPalette::Active, QPalette::Button);
    const QRgb window = Colour(QPalette::Active, QPalette::Base);
    ASSERT_NE(buttonFace, window);

    // Not highlighted: the icon at three pixels inside the icon box, the
    // icon column (25 pixels) in the button-face colour, the caption area
    // in the window colour.
    const QRect o = menu.actionGeometry(open);
    EXPECT_EQ(shot.pixel(o.left() + 1 + 3, o.top() + 1 + 3), IconGreen);
    EXPECT_EQ(shot.pixel(o.left() + 1 + 2, o.top() + 1 + 2), buttonFace);
    EXPECT_EQ(shot.pixel(o.left() + 24, o.top() + 1), buttonFace);
    EXPECT_EQ(shot.pixel(o.left() + 25, o.top() + 1), window);
    EXPECT_EQ(shot.pixel(o.right() - 2, o.top() + o.height() / 2), window);

    // A checked item without an image: the check mark in the window-text
    // colour inside a light-blue framed box over the icon box.
    const QRect g = menu.actionGeometry(grid);
    const QRect iconBox(g.left() + 1, g.top() + 1, 21, g.height() - 2);
    EXPECT_EQ(shot.pixel(iconBox.topLeft()), Frame);
    EXPECT_EQ(shot.pixel(iconBox.bottomRight()), Frame);
    EXPECT_EQ(shot.pixel(iconBox.topLeft() + QPoint(2, 2)), Fill);
    EXPECT_EQ(shot.pixel(g.left(), g.top() + 2), buttonFace);
    const QPoint cell(iconBox.left() + (iconBox.width() - 13) / 2 + 1, iconBox.top() + (iconBox.height() - 13) / 2 + 1);
    EXPECT_EQ(shot.pixel(cell + QPoint(5, 9)), Colour(QPalette::Active, QPalette::Text));

    // A separator: an etched line, dark over light, across the text box.
    const QRect s = menu.actionGeometry(separator);
    int darkRow = -1;
    for (int y = s.top(); y <= s.bottom(); ++y)
        if (shot.pixel(s.left() + 40, y) == Colour(QPalette::Active, QPalette::Dark)) darkRow = y;
    ASSERT_GE(darkRow, s.top()) << "no etched line";
    EXPECT_EQ(shot.pixel(s.left() + 40, darkRow + 1), Colour(QPalette::Active, QPalette::Light));
    EXPECT_EQ(shot.pixel(s.left() + 2, darkRow), buttonFace);
}

TEST_F(MenuStyleTest, DisabledItemIsNeverHighlighted) {
    const QImage shot = Shot(disabled);
    const QRect d = menu.actionGeometry(disabled);
    EXPECT_EQ(shot.pixel(d.left(), d.top() + d.height() / 2), Colour(QPalette::Active, QPalette::Button));
    EXPECT_EQ(shot.pixel(d.right() - 2, d.top() + 2), Colour(QPalette::Active, QPalette::Base));
    // Its image is greyed: no pixel of the icon keeps its green.
    bool green = false;
    for (int y = d.top(); y <= d.bottom(); ++y)
        for (int x = d.left(); x < d.left() + 25; ++x) green = green || shot.pixel(x, y) == IconGreen;
    EXPECT_FALSE(green);
    // Its caption is written in the grey-text colour.
    const QRgb grey = Colour(QPalette::Disabled, QPalette::Text);
    int greyPixels = 0;
    for (int y = d.top(); y <= d.bottom(); ++y)
        for (int x = d.left() + 29; x <= d.right(); ++x) greyPixels += shot.pixel(x, y) == grey;
    EXPECT_GT(greyPixels, 0);
}

TEST_F(MenuStyleTest, SeparatorUnderTheMouseIsHighlighted) {
    const QRect s = menu.actionGeometry(separator);
    const auto hover = [&](QPoint aAt) {
        QMouseEvent move(QEvent::MouseMove, QPointF(aAt), menu.mapToGlobal(QPointF(aAt)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&menu, &move);
        QApplication::processEvents();
        return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto etchedRow = [&](const QImage& aShot) {
        for (int y = s.top(); y <= s.bottom(); ++y)
            if (aShot.pixel(s.left() + 40, y) == Colour(QPalette::Active, QPalette::Dark)) return y;
        return -1;
    };

    // The highlight box over the whole separator, the etched line over it.
    const QImage over = hover(s.center());
    EXPECT_EQ(over.pixel(s.left(), s.top() + 1), Frame);
    EXPECT_EQ(over.pixel(s.right(), s.top() + 1), Frame);
    EXPECT_EQ(over.pixel(s.left() + 30, s.top()), Frame);
    EXPECT_EQ(over.pixel(s.left() + 30, s.bottom()), Frame);
    const int row = etchedRow(over);
    ASSERT_GT(row, s.top()) << "no etched line";
    EXPECT_EQ(over.pixel(s.left() + 40, row + 1), Colour(QPalette::Active, QPalette::Light));
    EXPECT_EQ(over.pixel(s.left() + 2, row), Fill);

    // The mouse moves on: the separator is plain again.
    const QImage away = hover(menu.actionGeometry(plain).center());
    EXPECT_EQ(away.pixel(s.left() + 2, row), Colour(QPalette::Active, QPalette::Button));
    EXPECT_EQ(etchedRow(away), row);
    hover(s.center());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&menu, &down);
    EXPECT_EQ(menu.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(s.left() + 2, row),
              Colour(QPalette::Active, QPalette::Button));
}

}  // namespace
}  // namespace torvik
