#include "qt/background_image.h"

#include <QPainter>

#include "qt/qt_canvas.h"

namespace torvik {

void DrawBackgroundImage(TQtCanvas& aCanvas, const QImage& aPicture, TImagePlacement& aPlacement,
                         const TRect& aVisible, bool aWithHandles) {
    const std::optional<TImageBlit> blit = ImageBlit(aPlacement, aVisible);
    if (!blit) return;
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
    if (aWithHandles) aPlacement.DrawHandles(aCanvas);
}

}  // namespace torvik
