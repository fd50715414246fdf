#pragma once
// The wire: a chain of segments that starts at the left bracket's origin
// point in a start direction. Every segment after the first starts at the
// far end of the one before, in its end direction. The wire grows, bends,
// is cut, deforms as a whole under a load, keeps its own undo history, and
// reads and writes its section of a design file.

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/point.h"
#include "render/canvas.h"
#include "render/shapes.h"
#include "wire/wire_seg.h"

namespace torvik {

class TIniFile;
class TForceMoment;
class TBracket;

// Indices into the undo-level choices "None", "5", "10", "15", "Unlimited".
enum TUndoLevel : int { UndoNone = 0, Undo5 = 1, Undo10 = 2, Undo15 = 3, UndoUnlimited = 4 };

// The most segments a design file may declare; a larger count is refused
// before anything is read.
constexpr int MaxFileSegments = 100000;
// The largest bend at a node, in radians, that a design file may hold (some
// 160 turns); a larger one is refused on reading.
constexpr double MaxFileBend = 1000;
// The longest wire (mm) a design file may hold: a thousand times the design
// area's width. Beyond it the drawing's coordinates would overflow, so a
// longer one is refused as absurd.
constexpr double MaxFileWireLength = 100000;

class TWire {
public:
    // One straight segment of aSegmentSize in direction 0 starting at a
    // private point; the creator then assigns Direction and Origin.
    explicit TWire(double aSegmentSize, const TWireStock& aStock = DefaultStock());
    ~TWire();
    TWire(const TWire&) = delete;
    TWire& operator=(const TWire&) = delete;

    // The material and cross-section given to segments added from now on.
    TWireStock Stock;
    // The wire changed since it was last saved or read.
    bool dirty = false;

    const TPointRef& Origin() const { return FSegments.front().origin; }
    void SetOrigin(TPointRef aOrigin);
    double Direction() const { return FSegments.front().direction; }
    void SetDirection(double aDirection);
    double EndDirection() const { return FSegments.back().EndDirection(); }
    TPointReal Corner() const { return FSegments.back().Corner(); }

    int Count() const { return static_cast<int>(FSegments.size()); }
    // The live segment i; throws std::out_of_range for a bad index.
    TWireSeg& Segment(int i);
    const TWireSeg& Segment(int i) const;
    const std::vector<TWireSeg>& Segments() const { return FSegments; }

    void Rebuild();
    // Takes aOther's segments (lengths, bends and stock, unloaded) and its
    // stock for new segments in place of its own, keeping its start point,
    // its start direction and its undo history: a whole new shape as one
    // edit. Marks the wire changed.
    void ReplaceShape(const TWire& aOther);
    void AddSeg(double aLen, double aAng);
    void InsertSeg(int i, double aLen, double aAng);
    void DeleteSeg(int i);
    void CutToEnd(int i);
    // Throws std::out_of_range for a bad index.
    void BendSeg(int i, double aAng);
    double TotalLength() const;
    void Freeze();
    void FlipVertical();
    double MaxStrain() const;
    double MinStrain() const;

    // Deforms the chain from the clamp towards the free end under the load
    // (Fx, Fy, Mom) acting at Target. Allocates nothing. Throws
    // TArithmeticError when a segment's deformation is not finite.
    void Deform(const TPointReal& Target, double Fx, double Fy, double Mom);
    // Where the end would lie and which way it would point if Deform were
    // called now with this load; changes nothing. Throws as Deform does.
    struct TEnd {
        TPointReal corner;
        double direction;
    };
    TEnd EndUnderLoad(const TPointReal& Target, double Fx, double Fy, double Mom) const;
    // Returns every segment to zero deformation and rebuilds.
    void Unload();

    // One marker per node at its far end, in logical units; the selected
    // node's marker is a blue circle.
    std::vector<TMarker> Markers(int aSelectedNode) const;
    // Index of the first node whose marker contains (ax, ay), or -1.
    int SegmentPosition(int ax, int ay) const;
    bool Contains(int ax, int ay) const;
    // Extent of the segment start points in whole mm, within the drawable
    // range (render/drawable.h); Top is the larger y.
    TRect BoundsRect() const;

    // Undo and redo; aUndoLevels is a TUndoLevel index.
    void KeepState(int aUndoLevels);
    int UndoCount() const { return static_cast<int>(FUndoList.size()); }
    int RedoCount() const { return static_cast<int>(FRedoList.size()); }
    void Undo();
    void Redo();
    void UndoLevelChanged(int aUndoLevels);
    // Every recorded state has a number of its own, never given twice by
    // this wire: the newest state of each list (0 when it is empty), so that
    // what a caller keeps beside a state can follow it through undo and redo.
    std::uint64_t NewestUndoId() const { return FUndoList.empty() ? 0 : FUndoList.back().id; }
    std::uint64_t NewestRedoId() const { return FRedoList.empty() ? 0 : FRedoList.back().id; }

    // Design file section "Wire". Reading appends the stored segments; the
    // indices of missing segment keys go to aMissing when given.
    void SaveToIni(TIniFile& aIni);
    void ReadFromIni(const TIniFile& aIni, std::vector<int>* aMissing = nullptr);
    void SaveToFile(const std::string& aFileName);
    void ReadFromFile(const std::string& aFileName);

    // Drawing; defined with the drawing code.
    void Draw(TCanvas& aCanvas, const TViewSettings& aView) const;

    // Activation steps (see wire/activation.cpp).
    TForceMoment StepDeformPoint(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM);
    TForceMoment StepDeformAngle(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM);
    TForceMoment StepDeform(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM);
    // The slot step for a wire that slides along the slot: the load acts at
    // aFM's own point and changes only across the slot and in its moment.
    TForceMoment StepDeformSliding(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM);

private:
    struct TSegState {
        TPointReal origin;
        double length, angle, direction;
        TWireMaterial material;
        TWireSize size;
    };
    struct TState {
        std::uint64_t id = 0;
        std::vector<TSegState> segments;
    };

    void KeepStateToList(std::vector<TState>& theList) const;
    void Restore(TState& aState);
    // Records the current state in aTo and restores the newest of aFrom;
    // nothing when aFrom is empty.
    void StepBack(std::vector<TState>& aFrom, std::vector<TState>& aTo);

    std::vector<TWireSeg> FSegments;
    std::vector<TState> FUndoList;
    std::vector<TState> FRedoList;
    mutable std::uint64_t FLastStateId = 0;  // numbers the recorded states
};

// The limit of the undo-level index: 0 for none, -1 for no limit.
int UndoLimit(int aUndoLevels);

}  // namespace torvik
