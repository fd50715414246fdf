#pragma once
// A canvas that draws nothing and records every figure with the pen and brush
// in effect, so tests and benchmarks can check drawing rules exactly.

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace torvik {

enum class TOpKind { Line, Rectangle, Ellipse, Arc, Polygon, FillRect, Text };

const char* OpKindName(TOpKind aKind);

struct TRecordedOp {
    TOpKind kind = TOpKind::Line;
    // Line: from, to. Rectangle, Ellipse: the two corners as passed.
    // FillRect: (Left, Top), (Right, Bottom). Arc: the centre.
    // Polygon: the vertices. Text: the position.
    std::vector<TPoint> points;
    TPen pen;
    TBrush brush;
    bool transparentBackground = false;
    std::string text;
    // Arc only.
    int radius = 0;
    double startAngle = 0.0;
    double sweepAngle = 0.0;
};

class TRecordingCanvas : public TCanvas {
public:
    std::vector<TRecordedOp> ops;
    // The current position that MoveTo sets and LineTo moves on.
    TPoint penPos;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int cx, int cy, int r, double startAngle, double sweepAngle) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void FillRect(const TRect& r) override;
    void TextOut(int x, int y, const std::string& text) override;
    // 8 x 16 logical units per character.
    TSize TextExtent(const std::string& text) override;
    // Identity: device pixels are logical units.
    TPoint DeviceToLogical(TPoint p) const override { return p; }

    // Forgets the recorded figures; pen, brush and position stay.
    void clear() { ops.clear(); }
    std::size_t count(TOpKind aKind) const;
    // Copies of the recorded figures of one kind, in drawing order.
    std::vector<TRecordedOp> ofKind(TOpKind aKind) const;

private:
    TRecordedOp& Record(TOpKind aKind);
};

// A readable form for test failure messages.
std::ostream& operator<<(std::ostream& os, const TRecordedOp& op);

}  // namespace torvik
