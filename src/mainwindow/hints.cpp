#include "mainwindow/hints.h"

#include <QAction>
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

}  // namespace torvik
