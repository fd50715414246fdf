#include "dialogs/template_preview.h"

#include <algorithm>

#include <QPainter>

#include "qt/qt_canvas.h"
#include "render/scene.h"
#include "wire/design.h"

namespace torvik {

namespace {

// Around the wire and the brackets, in logical units (hundredths of a mm).
constexpr double Margin = 150;
// A bracket's outline reaches this far from its point.
constexpr double BracketReach = 110;

}  // namespace

TTemplatePreview::TTemplatePreview(const TViewSettings& aView, int aGridDensity, QWidget* aParent)
    : QWidget(aParent), FView(aView), FGridDensity(aGridDensity) {
    setObjectName("TemplatePreview");
    FView.MarkersShown = false;
    FView.Running = false;
    setMinimumSize(320, 240);
}

TTemplatePreview::~TTemplatePreview() = default;

void TTemplatePreview::SetDesign(std::unique_ptr<TDesign> aDesign, const QString& aMessage) {
    FDesign = std::move(aDesign);
    FMessage = aMessage;
    update();
}

void TTemplatePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!FDesign) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, FMessage);
        return;
    }
    // The extent of the nodes and the brackets, in logical units.
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    const auto take = [&](double x, double y, double reach) {
        left = std::min(left, x * 100 - reach);
        right = std::max(right, x * 100 + reach);
        top = std::min(top, y * 100 - reach);
        bottom = std::max(bottom, y * 100 + reach);
    };
    for (const TWireSeg& s : FDesign->CurrentWire->Segments()) {
        const TPointReal c = s.Corner();
        take(c.x, c.y, 0);
    }
    for (const TBracket* b : {&FDesign->LeftBracket, &FDesign->RightBracket})
        take(b->Origin()->x, b->Origin()->y, BracketReach);
    left -= Margin;
    right += Margin;
    top -= Margin;
    bottom += Margin;
    const double scale = std::min(width() / (right - left), height() / (bottom - top));
    const double dx = width() / 2.0 - scale * (left + right) / 2;
    const double dy = height() / 2.0 - scale * (top + bottom) / 2;

    TQtCanvas canvas(painter);
    canvas.antialiased = true;
    canvas.SetTransform(QTransform(scale, 0, 0, scale, dx, dy));
    DrawDesignLayers(canvas, SceneOf(*FDesign), FView, true, FGridDensity, false);
}

}  // namespace torvik
