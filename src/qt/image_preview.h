#pragma once
// The preview beside the file list of Open Image: the picture under the
// cursor, read by the program's own readers and scaled to fit a square, with
// its size in pixels below it; nothing but "No preview" for a file that
// would not open as a background.

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

class QFileDialog;

namespace torvik {

class TImagePreview : public QWidget {
    Q_OBJECT
public:
    // The side of the square the picture is fitted into, in pixels.
    static constexpr int Side = 200;

    explicit TImagePreview(QWidget* aParent = nullptr);

    // Shows the picture in aFileName, or no picture for a file that does
    // not decode (a folder or an empty name included).
    void ShowFile(const QString& aFileName);

    // The picture shown, at most Side x Side pixels; null when none is.
    const QImage& Thumbnail() const { return FThumbnail; }
    // "600 x 400 pixels" (with a multiplication sign), or "No preview".
    QString Caption() const { return FCaption; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* aEvent) override;

private:
    QImage FThumbnail;
    QString FCaption;
};

// Puts a preview beside the file list of aDialog, which must not be the
// platform's own dialog, and shows there the file the cursor is on.
TImagePreview* AddImagePreview(QFileDialog& aDialog);

}  // namespace torvik
