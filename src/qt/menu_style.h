#pragma once
// The look of the main window's drop-down menus: an icon column in the
// button-face colour, captions on the window colour, the item under the
// mouse in a light-blue box with a dark-blue frame and its icon lifted over
// a blue shadow, check marks in a framed box, etched separators (in the
// highlight box too while the mouse is over one), and grey
// disabled items that are never highlighted. Set on the drop-down menus
// only: the menu bar's own entries and other pop-up menus keep the standard
// look.

#include <QAction>
#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

namespace torvik {

class TMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Fill and frame of the highlight box and of the check-mark box, and the
    // highlighted icon's shadow.
    static constexpr QRgb HighlightFill = 0xffc6d3ef;   // RGB(198, 211, 239)
    static constexpr QRgb HighlightFrame = 0xff3169c6;  // RGB(49, 105, 198)
    static constexpr QRgb IconShadow = 0xff7495d8;      // RGB(116, 149, 216)
    // The width and height of the menu's images.
    static constexpr int IconSize = 16;
    // The least height of a separator.
    static constexpr int SeparatorHeight = 9;

    // On top of the application's style.
    TMenuStyle();

    // Text height + 2, at least the image height + 7; 9 pixels wider than
    // the base style's item. Separators keep the base style's width and are
    // at least SeparatorHeight high.
    QSize sizeFromContents(ContentsType aType, const QStyleOption* aOption, const QSize& aSize,
                           const QWidget* aWidget) const override;
    void drawControl(ControlElement aElement, const QStyleOption* aOption, QPainter* aPainter,
                     const QWidget* aWidget) const override;
    // Items reach from one side of the menu's frame to the other.
    int pixelMetric(PixelMetric aMetric, const QStyleOption* aOption = nullptr,
                    const QWidget* aWidget = nullptr) const override;
    // A menu given this style tells it which separator the mouse is over:
    // menus never select a separator, yet one under the mouse gets the
    // highlight box with its etched line drawn over it.
    void polish(QWidget* aWidget) override;
    void unpolish(QWidget* aWidget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    // The separator of aMenu at aPos (menu coordinates), or none.
    void HoverSeparator(QMenu* aMenu, QAction* aSeparator, QPoint aPos);
    bool IsHoveredSeparator(const QWidget* aWidget, const QRect& aItem) const;

    QPointer<QMenu> FHoverMenu;
    QPointer<QAction> FHoverSeparator;
    QPoint FHoverPos;
};

// The style every drop-down menu of the program shares; it lives as long as
// the application.
QStyle* MenuStyle();

// Gives aMenu and, at any depth, its sub-menus the menus' style.
void UseMenuStyle(QMenu* aMenu);

}  // namespace torvik
