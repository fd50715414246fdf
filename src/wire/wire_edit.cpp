#include "wire/wire_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace torvik {

namespace {

// The preset turns: segments, total turn in degrees, circle diameter in mm.
constexpr int Turn90Segments = 5;
constexpr double Turn90Diameter = 1.5;
constexpr int Turn180Segments = 13;
constexpr double Turn180Diameter = 2.0;
constexpr int StraightSegments = 4;

}  // namespace

TPiece TurnPiece(int aCount, double aTheta, double aDiameter) {
    if (aCount <= 0) return {};
    const double perSegment = aTheta / aCount;
    // A left turn has the same chords as a right one.
    return TPiece{aCount, aDiameter * std::sin(std::abs(perSegment) / 2), perSegment};
}

TPiece PresetPiece(TPreset aPreset, double aSegmentSize) {
    switch (aPreset) {
        case TPreset::Straight: return TPiece{StraightSegments, aSegmentSize, 0.0};
        case TPreset::Right90: return TurnPiece(Turn90Segments, ToRadians(90), Turn90Diameter);
        case TPreset::Left90: return TurnPiece(Turn90Segments, ToRadians(-90), Turn90Diameter);
        case TPreset::Right180: return TurnPiece(Turn180Segments, ToRadians(180), Turn180Diameter);
        case TPreset::Left180: return TurnPiece(Turn180Segments, ToRadians(-180), Turn180Diameter);
    }
    return {};
}

TPiece UserLoopPiece(double aDiameter, double aAngle, bool aKeepLength, double aSegmentSize,
                     int aExistingSegments) {
    // Below this no chord of the segment size fits the circle: the arcsine
    // is undefined, or every segment would turn back on itself.
    if (!(std::abs(aDiameter) > aSegmentSize))
        throw TEditError("The loop diameter must be larger than the segment size.");
    // The angle one chord of the segment size subtends on the circle.
    const double alpha = 2 * std::asin(aSegmentSize / aDiameter);
    const double q = aAngle / ToDegrees(alpha);
    const int room = MaxFileSegments - aExistingSegments;
    if (!(std::abs(q) < room + 0.5))
        throw TEditError("The loop would give the wire more than " + std::to_string(MaxFileSegments) +
                         " segments.");
    const int n = static_cast<int>(RoundHalfEven(q));
    if (n == 0) return {};
    if (std::abs(n) > room)
        throw TEditError("The loop would give the wire more than " + std::to_string(MaxFileSegments) +
                         " segments.");

    TPiece piece;
    piece.count = std::abs(n);
    if (aKeepLength) {
        piece.length = aSegmentSize;
        piece.bend = ToRadians(aAngle) / q;
    } else {
        piece.length = aDiameter * std::sin(ToRadians(aAngle) / n / 2);
        piece.bend = ToRadians(aAngle) / n;
    }
    if (n < 0) piece.bend = -piece.bend;
    return piece;
}

void CheckRoom(const TWire& aWire, const TPiece& aPiece) {
    if (aPiece.count > MaxFileSegments - aWire.Count())
        throw TEditError("The piece would give the wire more than " + std::to_string(MaxFileSegments) +
                         " segments.");
}

void AppendPiece(TWire& aWire, const TPiece& aPiece) {
    CheckRoom(aWire, aPiece);
    for (int i = 0; i < aPiece.count; ++i) aWire.AddSeg(aPiece.length, aPiece.bend);
}

bool BendFits(const TWire& aWire, int aNode, double aDegrees) {
    return std::abs(aWire.Segment(aNode).angle + ToRadians(aDegrees)) <= MaxFileBend;
}

void CheckBend(const TWire& aWire, int aNode, double aDegrees) {
    if (!BendFits(aWire, aNode, aDegrees))
        throw TEditError("The node would be bent too far to be saved in a design file.");
}

void BendNode(TWire& aWire, int aNode, double aDegrees) {
    CheckBend(aWire, aNode, aDegrees);
    aWire.BendSeg(aNode, ToRadians(aDegrees));
}

void CutOneSegment(TWire& aWire, int aNode) { aWire.DeleteSeg(aNode + 1); }

void CutOneMillimetre(TWire& aWire, int aNode, double aSegmentSize) {
    const double k = RoundHalfEven(1 / aSegmentSize);
    // More than the wire holds removes no more than all of it.
    const int times = std::isfinite(k) ? static_cast<int>(std::min<double>(k, aWire.Count())) : aWire.Count();
    for (int i = 0; i < times; ++i) aWire.DeleteSeg(aNode + 1);
}

void CutAfterNode(TWire& aWire, int aNode) { aWire.CutToEnd(aNode + 1); }

void FreezeWire(TDesign& aDesign, bool aResetForces) {
    TWire& wire = *aDesign.CurrentWire;
    wire.Freeze();
    TForceMoment& load = aDesign.RightForce;
    if (aResetForces) load.x = load.y = load.m = 0.0;
    aDesign.CalcLeftForce();
    // Where the load acts: the bracket's point, or the wire end's place in
    // the slot after a sliding run.
    aDesign.DeformUnderLoad();
}

void FlipWire(TDesign& aDesign) {
    TWire& wire = *aDesign.CurrentWire;
    wire.FlipVertical();
    // The load is gone, so is the deflection that it left in the segments.
    wire.Unload();
    TForceMoment& load = aDesign.RightForce;
    load.x = load.y = load.m = 0.0;
    aDesign.CalcLeftForce();
}

std::optional<int> PreviousNode(const TWire& aWire, int aNode) {
    if (aNode > 0 && aNode < aWire.Count()) return aNode - 1;
    return std::nullopt;
}

std::optional<int> NextNode(const TWire& aWire, int aNode) {
    if (aNode >= 0 && aNode < aWire.Count() - 1) return aNode + 1;
    return std::nullopt;
}

std::optional<int> ExistingNode(const TWire& aWire, int aNode) {
    if (aNode >= 0 && aNode < aWire.Count()) return aNode;
    return std::nullopt;
}

}  // namespace torvik
