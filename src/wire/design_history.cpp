// The design's edit history: the wire's own undo and redo lists with the
// brackets' places beside them.

#include "wire/design_history.h"

#include <algorithm>
#include <iterator>

#include "wire/design.h"

namespace torvik {

TBracketPlace PlaceOf(const TBracket& aBracket) { return TBracketPlace{*aBracket.Origin(), aBracket.Direction()}; }

void TBracketHistory::Keep(std::vector<TEntry>& aList, std::uint64_t aStateId, const TBracketsPlace& aPlace) {
    if (aStateId != 0) aList.push_back(TEntry{aStateId, aPlace});
}

std::optional<TBracketsPlace> TBracketHistory::Take(std::vector<TEntry>& aList, std::uint64_t aStateId) {
    for (auto it = aList.rbegin(); it != aList.rend(); ++it) {
        if (it->id != aStateId) continue;
        const TBracketsPlace place = it->place;
        aList.erase(std::next(it).base());
        return place;
    }
    return std::nullopt;
}

void TBracketHistory::Trim(int aWireUndoCount, int aWireRedoCount) {
    const auto trim = [](std::vector<TEntry>& aList, int aCount) {
        const auto count = static_cast<std::size_t>(std::max(aCount, 0));
        if (aList.size() > count) aList.erase(aList.begin(), aList.end() - static_cast<std::ptrdiff_t>(count));
    };
    trim(FUndo, aWireUndoCount);
    trim(FRedo, aWireRedoCount);
}

TBracketsPlace TDesign::BracketsPlace() const { return TBracketsPlace{PlaceOf(LeftBracket), PlaceOf(RightBracket)}; }

void TDesign::PlaceBrackets(const TBracketsPlace& aPlace) {
    if (PlaceOf(RightBracket) != aPlace.right) {
        // A load left where a sliding wire's end sat in the slot goes to the
        // bracket's point first, as the same load, and then with it, as the
        // bracket tool takes it.
        if (!LoadAtBracket()) RightForce = LoadMovedTo(RightForce, RightBracket.Origin());
        RightBracket.Origin()->SetXY(aPlace.right.origin.x, aPlace.right.origin.y);
        RightBracket.SetDirection(aPlace.right.direction);
    }
    // The points are changed in place, so the wire's start and the loads
    // that share them go along; the wire is laid out again from its start.
    LeftBracket.Origin()->SetXY(aPlace.left.origin.x, aPlace.left.origin.y);
    LeftBracket.SetDirection(aPlace.left.direction);
    CurrentWire->SetOrigin(LeftBracket.Origin());
    LeftForce.origin = LeftBracket.Origin();
}

void TDesign::KeepState(int aUndoLevels) {
    TWire& wire = *CurrentWire;
    const std::uint64_t before = wire.NewestUndoId();
    wire.KeepState(aUndoLevels);
    if (wire.NewestUndoId() != before) BracketHistory.KeepUndo(wire.NewestUndoId(), BracketsPlace());
    BracketHistory.Trim(wire.UndoCount(), wire.RedoCount());
}

int TDesign::UndoCount() const { return CurrentWire->UndoCount(); }
int TDesign::RedoCount() const { return CurrentWire->RedoCount(); }

bool TDesign::StepBack(bool aUndo) {
    TWire& wire = *CurrentWire;
    if ((aUndo ? wire.UndoCount() : wire.RedoCount()) == 0) return false;
    const std::optional<TBracketsPlace> place =
        aUndo ? BracketHistory.TakeUndo(wire.NewestUndoId()) : BracketHistory.TakeRedo(wire.NewestRedoId());
    const TBracketsPlace now = BracketsPlace();
    if (aUndo) {
        wire.Undo();
        BracketHistory.KeepRedo(wire.NewestRedoId(), now);
    } else {
        wire.Redo();
        BracketHistory.KeepUndo(wire.NewestUndoId(), now);
    }
    if (place) PlaceBrackets(*place);
    BracketHistory.Trim(wire.UndoCount(), wire.RedoCount());
    return true;
}

bool TDesign::Undo() { return StepBack(true); }
bool TDesign::Redo() { return StepBack(false); }

void TDesign::UndoLevelChanged(int aUndoLevels) {
    CurrentWire->UndoLevelChanged(aUndoLevels);
    BracketHistory.Trim(CurrentWire->UndoCount(), CurrentWire->RedoCount());
}

}  // namespace torvik
