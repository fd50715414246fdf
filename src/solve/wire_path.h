#pragma once
// Lays a centre line of straight runs and circular arcs out as segments at
// the wire's end: a straight run as equal segments of about the segment
// size, an arc as equal chords of about the segment size inscribed in its
// circle (half a chord's turn at each end of the arc, a whole one between
// chords), a radius of 0 as a sharp bend at the node where the wire stands.
// The bends are set as the segments go, so the wire is never rebuilt.

namespace torvik {

class TWire;

class TWirePath {
public:
    TWirePath(TWire& aWire, double aSegmentSize) : FWire(aWire), FSegmentSize(aSegmentSize) {}
    TWirePath(const TWirePath&) = delete;
    TWirePath& operator=(const TWirePath&) = delete;

    void Straight(double aLength);
    // aTurn in radians, positive clockwise as displayed.
    void Arc(double aRadius, double aTurn);
    // A sharp bend at the node where the wire stands.
    void Bend(double aAngle) { FPending += aAngle; }
    // The node at the wire's end now.
    int Node() const;
    // Puts a bend still pending onto the last node.
    void Finish();

private:
    void AddSegment(double aLength);

    TWire& FWire;
    double FSegmentSize;
    double FPending = 0;  // the bend at the last node not yet set on it
};

}  // namespace torvik
