#include "qt/background_image.h"

#include <QPainter>

#include "qt/qt_canvas.h"

namespace torvik {

void DrawBackgroundImage(TQtCanvas& aCanvas, const QImage& aPicture, TImagePlacement& aPlacement,
                         const TRect& aVisible, bool aWithHandles) {
    if (const std::optional<TImageBlit> blit = ImageBlit(aPlacement, aVisible)) {
        QPainter& painter = aCanvas.Painter();
        painter.save();
        painter.setWorldTransform(aCanvas.Transform());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const TRect& d = blit->dest;
        const TRect& s = blit->source;
        painter.drawImage(QRectF(QPointF(d.Left, d.Top), QPointF(d.Right, d.Bottom)), aPicture,
                          QRectF(QPointF(s.Left, s.Top), QPointF(s.Right, s.Bottom)));
        painter.restore();
    }
    // The handles are placed on every redraw, even with the picture out of
    // view, so that none keeps a hit area where the picture no longer is.
    if (aWithHandles && aPlacement.Active()) aPlacement.DrawHandles(aCanvas);
}

}  // namespace torvik
