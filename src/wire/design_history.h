#pragma once
// The brackets' half of the design's edit history. A step of the design's
// history is a wire state in the wire's own undo or redo list and, beside
// it, where both brackets were: so that Undo after a bracket drag puts the
// bracket back, and Undo after a wire edit leaves the brackets where they
// were when the wire was recorded. TDesign keeps one and drives both halves
// together (KeepState, Undo, Redo); see design.h.
//
// Each bracket entry names the wire state it belongs to by the state's
// number, so the two halves stay paired whatever else trims or records the
// wire's lists: a wire state recorded on the wire alone restores the wire
// alone, and an entry whose wire state was dropped never matches and goes
// at the next step.

#include <cstdint>
#include <optional>
#include <vector>

#include "geometry/point.h"

namespace torvik {

class TBracket;

// Where a bracket is and how it is turned.
struct TBracketPlace {
    TPointReal origin;       // mm
    double direction = 0.0;  // radians
    friend bool operator==(const TBracketPlace&, const TBracketPlace&) = default;
};

struct TBracketsPlace {
    TBracketPlace left;
    TBracketPlace right;
    friend bool operator==(const TBracketsPlace&, const TBracketsPlace&) = default;
};

TBracketPlace PlaceOf(const TBracket& aBracket);

class TBracketHistory {
public:
    // Records aPlace beside the wire state numbered aStateId.
    void KeepUndo(std::uint64_t aStateId, const TBracketsPlace& aPlace) { Keep(FUndo, aStateId, aPlace); }
    void KeepRedo(std::uint64_t aStateId, const TBracketsPlace& aPlace) { Keep(FRedo, aStateId, aPlace); }
    // Takes out the place kept beside that state, if any.
    std::optional<TBracketsPlace> TakeUndo(std::uint64_t aStateId) { return Take(FUndo, aStateId); }
    std::optional<TBracketsPlace> TakeRedo(std::uint64_t aStateId) { return Take(FRedo, aStateId); }
    // Drops the oldest entries beyond the wire's counts: the states the wire
    // dropped when its undo level was lowered.
    void Trim(int aWireUndoCount, int aWireRedoCount);
    int Size() const { return static_cast<int>(FUndo.size() + FRedo.size()); }

private:
    struct TEntry {
        std::uint64_t id;
        TBracketsPlace place;
    };
    static void Keep(std::vector<TEntry>& aList, std::uint64_t aStateId, const TBracketsPlace& aPlace);
    static std::optional<TBracketsPlace> Take(std::vector<TEntry>& aList, std::uint64_t aStateId);

    // Oldest first, as the wire's lists.
    std::vector<TEntry> FUndo;
    std::vector<TEntry> FRedo;
};

}  // namespace torvik
