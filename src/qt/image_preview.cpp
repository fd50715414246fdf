#include "qt/image_preview.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QPainter>

#include "qt/image_reader.h"

namespace torvik {

namespace {

constexpr int Margin = 4;   // between the frame and the picture
constexpr int Spacing = 4;  // between the square and the caption

}  // namespace

TImagePreview::TImagePreview(QWidget* aParent) : QWidget(aParent), FCaption(tr("No preview")) {
    setObjectName("ImagePreview");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void TImagePreview::ShowFile(const QString& aFileName) {
    const TPreviewPicture preview = ReadPreviewImage(aFileName, QSize(Side, Side));
    FThumbnail = preview.picture;
    FCaption = FThumbnail.isNull() ? tr("No preview")
                                   : tr("%1 \u00d7 %2 pixels").arg(preview.fullSize.width()).arg(preview.fullSize.height());
    update();
}

QSize TImagePreview::sizeHint() const {
    return QSize(Side + 2 * Margin + 2, Side + 2 * Margin + 2 + Spacing + fontMetrics().height());
}

void TImagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect square(0, 0, Side + 2 * Margin + 2, Side + 2 * Margin + 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    if (!FThumbnail.isNull()) {
        const QPoint at(square.left() + (square.width() - FThumbnail.width()) / 2,
                        square.top() + (square.height() - FThumbnail.height()) / 2);
        painter.drawImage(at, FThumbnail);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect caption(0, square.bottom() + 1 + Spacing, width(), fontMetrics().height());
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, FCaption);
}

TImagePreview* AddImagePreview(QFileDialog& aDialog) {
    aDialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto* preview = new TImagePreview(&aDialog);
    // The dialog's own grid has the folder and file list in its second row;
    // the preview goes to its right.
    if (auto* grid = qobject_cast<QGridLayout*>(aDialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), Qt::AlignTop);
    else if (aDialog.layout())
        aDialog.layout()->addWidget(preview);
    QObject::connect(&aDialog, &QFileDialog::currentChanged, preview, &TImagePreview::ShowFile);
    return preview;
}

}  // namespace torvik
