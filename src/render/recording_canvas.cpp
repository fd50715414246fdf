#include "render/recording_canvas.h"

#include <algorithm>

namespace torvik {

const char* OpKindName(TOpKind aKind) {
    switch (aKind) {
        case TOpKind::Line: return "Line";
        case TOpKind::Rectangle: return "Rectangle";
        case TOpKind::Ellipse: return "Ellipse";
        case TOpKind::Arc: return "Arc";
        case TOpKind::Polygon: return "Polygon";
        case TOpKind::FillRect: return "FillRect";
        case TOpKind::Text: return "Text";
    }
    return "?";
}

TRecordedOp& TRecordingCanvas::Record(TOpKind aKind) {
    TRecordedOp& op = ops.emplace_back();
    op.kind = aKind;
    op.pen = pen;
    op.brush = brush;
    op.transparentBackground = transparentBackground;
    return op;
}

void TRecordingCanvas::MoveTo(int x, int y) { penPos = TPoint{x, y}; }

void TRecordingCanvas::LineTo(int x, int y) {
    TRecordedOp& op = Record(TOpKind::Line);
    op.points = {penPos, TPoint{x, y}};
    penPos = TPoint{x, y};
}

void TRecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record(TOpKind::Rectangle).points = {TPoint{x1, y1}, TPoint{x2, y2}};
}

void TRecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record(TOpKind::Ellipse).points = {TPoint{x1, y1}, TPoint{x2, y2}};
}

void TRecordingCanvas::Arc(int cx, int cy, int r, double startAngle, double sweepAngle) {
    TRecordedOp& op = Record(TOpKind::Arc);
    op.points = {TPoint{cx, cy}};
    op.radius = r;
    op.startAngle = startAngle;
    op.sweepAngle = sweepAngle;
}

void TRecordingCanvas::Polygon(const std::vector<TPoint>& points) {
    Record(TOpKind::Polygon).points = points;
}

void TRecordingCanvas::FillRect(const TRect& r) {
    Record(TOpKind::FillRect).points = {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Bottom}};
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
    TRecordedOp& op = Record(TOpKind::Text);
    op.points = {TPoint{x, y}};
    op.text = text;
}

TSize TRecordingCanvas::TextExtent(const std::string& text) {
    return TSize{static_cast<int>(text.size()) * 8, 16};
}

std::size_t TRecordingCanvas::count(TOpKind aKind) const {
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(), [aKind](const TRecordedOp& op) { return op.kind == aKind; }));
}

std::vector<TRecordedOp> TRecordingCanvas::ofKind(TOpKind aKind) const {
    std::vector<TRecordedOp> result;
    for (const TRecordedOp& op : ops)
        if (op.kind == aKind) result.push_back(op);
    return result;
}

namespace {

void PrintPoint(std::ostream& os, const TPoint& p) { os << '(' << p.X << ", " << p.Y << ')'; }

void PrintColor(std::ostream& os, const TColor& c) {
    os << "rgb(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ')';
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const TRecordedOp& op) {
    os << OpKindName(op.kind);
    for (const TPoint& p : op.points) {
        os << ' ';
        PrintPoint(os, p);
    }
    if (op.kind == TOpKind::Arc)
        os << " r=" << op.radius << " start=" << op.startAngle << " sweep=" << op.sweepAngle;
    if (op.kind == TOpKind::Text) os << " \"" << op.text << '"';
    os << " pen ";
    PrintColor(os, op.pen.color);
    os << " width " << op.pen.width << " brush ";
    PrintColor(os, op.brush.color);
    return os;
}

}  // namespace torvik
