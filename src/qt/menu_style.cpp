#include "qt/menu_style.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPolygon>
#include <QStyleOptionMenuItem>

namespace torvik {

namespace {

// A rectangle from its left, top, right and bottom edges, right and bottom
// exclusive.
QRect Edges(int aLeft, int aTop, int aRight, int aBottom) { return QRect(aLeft, aTop, aRight - aLeft, aBottom - aTop); }

// The parts of an item whose full rectangle is aItem.
struct TItemRects {
    QRect iconColumn, caption, iconBox, textBox;

    explicit TItemRects(const QRect& aItem) {
        const int l = aItem.left(), t = aItem.top();
        const int r = l + aItem.width(), b = t + aItem.height();
        const int w = TMenuStyle::IconSize;
        iconColumn = Edges(l, t, l + w + 9, b);
        caption = Edges(l + w + 9, t, r, b);
        iconBox = Edges(l + 1, t + 1, l + w + 6, b - 1);
        textBox = Edges(l + w + 13, t + 1, r, b - 1);
    }
};

// A filled rectangle with a one-pixel frame on its edge.
void FramedBox(QPainter& aPainter, const QRect& aRect) {
    aPainter.setPen(QColor::fromRgb(TMenuStyle::HighlightFrame));
    aPainter.setBrush(QColor::fromRgb(TMenuStyle::HighlightFill));
    aPainter.drawRect(aRect.adjusted(0, 0, -1, -1));
}

// Every opaque pixel of the image in the shadow colour.
QPixmap Silhouette(const QPixmap& aPixmap) {
    QImage shadow = aPixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shadow);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shadow.rect(), QColor::fromRgb(TMenuStyle::IconShadow));
    painter.end();
    QPixmap result = QPixmap::fromImage(shadow);
    result.setDevicePixelRatio(aPixmap.devicePixelRatio());
    return result;
}

// A check mark of 13 x 13 pixels, its cell's top-left corner at aOrigin.
void CheckMark(QPainter& aPainter, QPoint aOrigin, const QColor& aColor) {
    aPainter.setPen(Qt::NoPen);
    aPainter.setBrush(aColor);
    const QPolygon tick({{2, 5}, {5, 8}, {10, 3}, {10, 6}, {5, 11}, {2, 8}});
    aPainter.drawPolygon(tick.translated(aOrigin));
}

constexpr int CheckMarkSize = 13;

}  // namespace

TMenuStyle::TMenuStyle() : QProxyStyle(nullptr) {}

QSize TMenuStyle::sizeFromContents(ContentsType aType, const QStyleOption* aOption, const QSize& aSize,
                                   const QWidget* aWidget) const {
    const QSize proposed = QProxyStyle::sizeFromContents(aType, aOption, aSize, aWidget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(aOption);
    if (aType != CT_MenuItem || !item) return proposed;
    // A separator is as tall as the classic menus make it, so that there is
    // room for its etched line in the middle and for the highlight box
    // around it; the base style may propose a line of two pixels.
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(proposed.width(), std::max(proposed.height(), SeparatorHeight));
    const int height = std::max(item->fontMetrics.height() + 2, IconSize + 7);
    return QSize(proposed.width() + 9, height);
}

int TMenuStyle::pixelMetric(PixelMetric aMetric, const QStyleOption* aOption, const QWidget* aWidget) const {
    if (aMetric == PM_MenuHMargin) return 0;
    return QProxyStyle::pixelMetric(aMetric, aOption, aWidget);
}

void TMenuStyle::drawControl(ControlElement aElement, const QStyleOption* aOption, QPainter* aPainter,
                             const QWidget* aWidget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(aOption);
    if (aElement != CE_MenuItem || !item) {
        QProxyStyle::drawControl(aElement, aOption, aPainter, aWidget);
        return;
    }
    QPainter& p = *aPainter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPalette& palette = item->palette;
    const bool enabled = item->state & State_Enabled;
    const bool highlighted =
        enabled && ((item->state & State_Selected) || (item->menuItemType == QStyleOptionMenuItem::Separator &&
                                                         IsHoveredSeparator(aWidget, item->rect)));
    TItemRects r(item->rect);

    // The caption sits in the middle of the text box.
    const int textHeight = item->fontMetrics.height();
    if (textHeight < r.textBox.height()) {
        const int half = (r.textBox.height() - textHeight) / 2;
        r.textBox.adjust(0, half, 0, -half);
    }

    if (highlighted) {
        FramedBox(p, item->rect);
    } else {
        p.fillRect(r.caption, palette.color(QPalette::Active, QPalette::Base));
        p.fillRect(r.iconColumn, palette.color(QPalette::Active, QPalette::Button));
    }

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        // An etched line across the text box's middle.
        const int y = r.textBox.top() + r.textBox.height() / 2;
        p.setPen(palette.color(QPalette::Active, QPalette::Dark));
        p.drawLine(r.textBox.left(), y, r.textBox.right(), y);
        p.setPen(palette.color(QPalette::Active, QPalette::Light));
        p.drawLine(r.textBox.left(), y + 1, r.textBox.right(), y + 1);
        p.restore();
        return;
    }

    const QColor textColor =
        enabled ? palette.color(QPalette::Active, QPalette::Text) : palette.color(QPalette::Disabled, QPalette::Text);
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    if (checked && enabled) {
        FramedBox(p, r.iconBox);
        if (item->icon.isNull()) {
            const QPoint cell(r.iconBox.left() + (r.iconBox.width() - CheckMarkSize) / 2 + 1,
                              r.iconBox.top() + (r.iconBox.height() - CheckMarkSize) / 2 + 1);
            CheckMark(p, cell, palette.color(QPalette::Active, QPalette::Text));
        }
    }

    if (!item->icon.isNull()) {
        const QPoint box = r.iconBox.topLeft();
        if (highlighted) {
            const QPixmap icon = item->icon.pixmap(QSize(IconSize, IconSize), p.device()->devicePixelRatio());
            p.drawPixmap(box + QPoint(4, 4), Silhouette(icon));
            p.drawPixmap(box + QPoint(2, 2), icon);
        } else {
            const QPixmap icon = item->icon.pixmap(QSize(IconSize, IconSize), p.device()->devicePixelRatio(),
                                                   enabled ? QIcon::Normal : QIcon::Disabled);
            p.drawPixmap(box + QPoint(3, 3), icon);
        }
    }

    // The caption on the left, a shortcut after a tab on the right.
    QString caption = item->text;
    QString shortcut;
    if (const qsizetype tab = caption.indexOf(QLatin1Char('\t')); tab >= 0) {
        shortcut = caption.mid(tab + 1);
        caption.truncate(tab);
    }
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!proxy()->styleHint(SH_UnderlineShortcut, item, aWidget)) flags |= Qt::TextHideMnemonic;
    p.setPen(textColor);
    p.setFont(item->font);
    p.drawText(r.textBox, flags, caption);
    constexpr int ArrowSpace = 16;
    if (!shortcut.isEmpty())
        p.drawText(r.textBox.adjusted(0, 0, -ArrowSpace, 0), (flags & ~Qt::AlignLeft) | Qt::AlignRight, shortcut);

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int x = item->rect.right() - ArrowSpace / 2 - 2;
        const int y = item->rect.center().y();
        p.setPen(Qt::NoPen);
        p.setBrush(textColor);
        p.drawPolygon(QPolygon({{x, y - 4}, {x + 4, y}, {x, y + 4}}));
    }
    p.restore();
}

void TMenuStyle::polish(QWidget* aWidget) {
    QProxyStyle::polish(aWidget);
    if (qobject_cast<QMenu*>(aWidget)) aWidget->installEventFilter(this);
}

void TMenuStyle::unpolish(QWidget* aWidget) {
    if (qobject_cast<QMenu*>(aWidget)) {
        aWidget->removeEventFilter(this);
        if (FHoverMenu == aWidget) HoverSeparator(nullptr, nullptr, {});
    }
    QProxyStyle::unpolish(aWidget);
}

bool TMenuStyle::eventFilter(QObject* aWatched, QEvent* aEvent) {
    if (auto* menu = qobject_cast<QMenu*>(aWatched)) {
        switch (aEvent->type()) {
            case QEvent::MouseMove: {
                const QPoint at = static_cast<QMouseEvent*>(aEvent)->position().toPoint();
                QAction* action = menu->actionAt(at);
                HoverSeparator(menu, action && action->isSeparator() ? action : nullptr, at);
                break;
            }
            // The mouse left, the menu closed, or the keys move the highlight.
            case QEvent::Leave:
            case QEvent::Hide:
            case QEvent::KeyPress:
                if (FHoverMenu == menu) HoverSeparator(nullptr, nullptr, {});
                break;
            default: break;
        }
    }
    return QProxyStyle::eventFilter(aWatched, aEvent);
}

void TMenuStyle::HoverSeparator(QMenu* aMenu, QAction* aSeparator, QPoint aPos) {
    if (!aSeparator) aMenu = nullptr;
    const bool same = FHoverMenu == aMenu && FHoverSeparator == aSeparator;
    FHoverPos = aPos;
    if (same) return;
    if (FHoverMenu && FHoverSeparator) FHoverMenu->update(FHoverMenu->actionGeometry(FHoverSeparator));
    FHoverMenu = aMenu;
    FHoverSeparator = aSeparator;
    if (aMenu) aMenu->update(aMenu->actionGeometry(aSeparator));
}

bool TMenuStyle::IsHoveredSeparator(const QWidget* aWidget, const QRect& aItem) const {
    return FHoverSeparator && FHoverMenu && FHoverMenu.data() == aWidget && FHoverSeparator->isEnabled() &&
           aItem.contains(FHoverPos);
}

void UseMenuStyle(QMenu* aMenu) {
    if (!aMenu) return;
    if (aMenu->style() != MenuStyle()) aMenu->setStyle(MenuStyle());
    for (QAction* item : aMenu->actions()) UseMenuStyle(item->menu());
}

QStyle* MenuStyle() {
    static QPointer<TMenuStyle> style;
    if (!style) {
        style = new TMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace torvik
