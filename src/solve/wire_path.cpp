#include "solve/wire_path.h"

#include <algorithm>
#include <cmath>

#include "wire/wire.h"

namespace torvik {

namespace {

// Below this a run or an arc has no length to lay out.
constexpr double Negligible = 1e-9;

int PieceCount(double aLength, double aSegmentSize) {
    return std::max(1, static_cast<int>(std::lround(aLength / aSegmentSize)));
}

}  // namespace

int TWirePath::Node() const { return FWire.Count() - 1; }

void TWirePath::AddSegment(double aLength) {
    FWire.Segment(Node()).angle += FPending;
    FPending = 0;
    FWire.AddSeg(aLength, 0);
}

void TWirePath::Straight(double aLength) {
    if (aLength <= Negligible) return;
    const int n = PieceCount(aLength, FSegmentSize);
    for (int i = 0; i < n; ++i) AddSegment(aLength / n);
}

void TWirePath::Arc(double aRadius, double aTurn) {
    const double length = aRadius * std::abs(aTurn);
    if (length <= Negligible) {
        Bend(aTurn);
        return;
    }
    const int n = PieceCount(length, FSegmentSize);
    const double half = aTurn / (2 * n);
    const double chord = 2 * aRadius * std::sin(std::abs(half));
    FPending += half;
    for (int i = 0; i < n; ++i) {
        AddSegment(chord);
        FPending = i + 1 < n ? 2 * half : half;
    }
}

void TWirePath::Finish() {
    FWire.Segment(Node()).angle += FPending;
    FPending = 0;
}

}  // namespace torvik
