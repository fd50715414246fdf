#pragma once
// The wire editing commands on the design and its selected node: preset
// pieces appended at the wire's end (four straight segments, 90 and 180
// degree turns, a user-defined loop), bends and cuts at a node, freezing the
// activated shape, flipping the wire over, and moving the selected node.
// Node i is the far end of segment i; the nodes run 0 .. Count() - 1.
// Recording undo states and redrawing are the caller's.

#include <optional>
#include <stdexcept>

#include "wire/design.h"
#include "wire/wire.h"

namespace torvik {

// Segments of one length, each carrying the same bend at its far end,
// appended one after another.
struct TPiece {
    int count = 0;
    double length = 0.0;  // mm
    double bend = 0.0;    // radians, per segment
};

// The preset pieces of the tool panel, from the top.
enum class TPreset { Straight, Right90, Left90, Right180, Left180 };

// A turn by aTheta (radians) on a circle of aDiameter (mm) made of aCount
// segments: each segment is the chord of an arc of aTheta / aCount and
// carries that bend. The first segment continues straight from the wire's
// end; after the last one the end direction has turned by aTheta.
TPiece TurnPiece(int aCount, double aTheta, double aDiameter);

// The piece of a preset button: four straight segments of aSegmentSize,
// 90 degree turns of 5 segments on 1.5 mm, 180 degree turns of 13 segments
// on 2 mm; right turns bend clockwise as displayed.
TPiece PresetPiece(TPreset aPreset, double aSegmentSize);

// An edit that cannot be made: a user-defined loop that cannot be built, or
// a wire that a design file could not hold. Its text is the user's message.
class TEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user-defined loop of aDiameter (mm) turning by aAngle (degrees) for
// the wire's segment size. Each segment subtends the angle of a chord of
// aSegmentSize on the circle, so the loop has that many segments as fit the
// turn, rounded half to even. With aKeepLength the segments keep the segment
// size and the loop turns by whole segment angles; otherwise it turns by
// exactly aAngle with segments fitted to the circle. A negative angle turns
// left; the sign of the diameter does not matter. A count of 0 is an empty
// piece. Throws TEditError when the diameter is not larger than the segment
// size (no chord of it fits the circle) or the loop would take the wire
// beyond the segments a design file may hold (aExistingSegments already).
TPiece UserLoopPiece(double aDiameter, double aAngle, bool aKeepLength, double aSegmentSize,
                     int aExistingSegments = 1);

// Throws TEditError when the piece would give the wire more segments than a
// design file may hold.
void CheckRoom(const TWire& aWire, const TPiece& aPiece);
// Appends the piece's segments at the wire's end; CheckRoom first.
void AppendPiece(TWire& aWire, const TPiece& aPiece);

// Whether adding aDegrees leaves the bend at aNode within what a design file
// may hold; throws std::out_of_range for a node that does not exist.
bool BendFits(const TWire& aWire, int aNode, double aDegrees);
// Throws TEditError when the bend does not fit.
void CheckBend(const TWire& aWire, int aNode, double aDegrees);
// Adds aDegrees to the bend at aNode; every later segment turns about that
// node. Bending the last node only turns where later pieces go. CheckBend
// first.
void BendNode(TWire& aWire, int aNode, double aDegrees);

// Removes the segment after aNode; nothing at the wire's end.
void CutOneSegment(TWire& aWire, int aNode);
// Removes Round(1 / aSegmentSize) segments after aNode, as far as there are
// any: it counts segments, not length.
void CutOneMillimetre(TWire& aWire, int aNode, double aSegmentSize);
// Removes everything after aNode, which becomes the wire's end.
void CutAfterNode(TWire& aWire, int aNode);

// Makes the activated shape the wire's own shape. With aResetForces the
// load at the right bracket becomes zero and the frozen wire stays as it is;
// otherwise the frozen wire deforms again under the remaining load. The left
// bracket's balance is brought up to date either way.
void FreezeWire(TDesign& aDesign, bool aResetForces);

// Mirrors the wire's bends about its start direction and removes the load:
// the flipped wire is unloaded and carries no deformation.
void FlipWire(TDesign& aDesign);

// The node before or after aNode, or nothing at the wire's start or end.
std::optional<int> PreviousNode(const TWire& aWire, int aNode);
std::optional<int> NextNode(const TWire& aWire, int aNode);
// aNode when the wire has that node, nothing otherwise.
std::optional<int> ExistingNode(const TWire& aWire, int aNode);

}  // namespace torvik
