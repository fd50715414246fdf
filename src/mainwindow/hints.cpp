#include "mainwindow/hints.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

namespace torvik {

QString ShortHint(const QString& aHint) {
    const qsizetype bar = aHint.indexOf('|');
    QString text = bar < 0 ? aHint : aHint.left(bar);
    return text.replace(QStringLiteral("##"), QStringLiteral("\n"));
}

QString LongHint(const QString& aHint) {
    const qsizetype bar = aHint.indexOf('|');
    return bar < 0 ? aHint : aHint.mid(bar + 1);
}

void ApplyHint(QAction* aAction, const QString& aHint) {
    aAction->setToolTip(ShortHint(aHint));
    aAction->setStatusTip(LongHint(aHint));
}

void ApplyHint(QWidget* aWidget, const QString& aHint) {
    aWidget->setToolTip(ShortHint(aHint));
    aWidget->setStatusTip(LongHint(aHint));
}

namespace {

// Where a hint pops up, from the mouse point.
constexpr int HintOffset = 32;
// How far the mouse may move before the hint is taken down and shown anew.
constexpr int HintSlack = 2;

}  // namespace

void ShowHintAtMouse(QWidget* aWidget, QPoint aMouse, const QString& aHint) {
    if (aHint.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const QPoint at = aWidget->mapToGlobal(aMouse) + QPoint(HintOffset, HintOffset);
    const QRect square(aMouse - QPoint(HintSlack, HintSlack), aMouse + QPoint(HintSlack, HintSlack));
    QToolTip::showText(at, ShortHint(aHint), aWidget, square);
    // The tooltip goes a cursor's height below the point it is given; the
    // hint belongs exactly at the offset, where it fits on the screen.
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->objectName() != QLatin1String("qtooltip_label") || !tip->isVisible()) continue;
        const QScreen* screen = aWidget->screen();
        if (!screen || screen->availableGeometry().contains(QRect(at, tip->size()))) tip->move(at);
    }
}

}  // namespace torvik
