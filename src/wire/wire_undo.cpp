// The wire's edit history, and a whole new shape taken in as one edit. A
// state records every segment's origin, length, bend, direction, material
// and cross-section, but not its deformation.

#include "wire/wire.h"

namespace torvik {

int UndoLimit(int aUndoLevels) {
    switch (aUndoLevels) {
        case UndoNone: return 0;
        case Undo5: return 5;
        case Undo10: return 10;
        case Undo15: return 15;
        default: return -1;  // "Unlimited"
    }
}

void TWire::KeepStateToList(std::vector<TState>& theList) const {
    TState state;
    state.id = ++FLastStateId;
    state.segments.reserve(FSegments.size());
    for (const TWireSeg& s : FSegments)
        state.segments.push_back(TSegState{*s.origin, s.length, s.angle, s.direction, s.material, s.size});
    theList.push_back(std::move(state));
}

void TWire::KeepState(int aUndoLevels) {
    const int limit = UndoLimit(aUndoLevels);
    if (limit == 0) return;
    if (limit > 0 && UndoCount() >= limit) FUndoList.erase(FUndoList.begin());
    KeepStateToList(FUndoList);
}

void TWire::Restore(TState& aState) {
    // The first segment keeps the live bracket origin point; the others get
    // points of their own.
    TPointRef first = FSegments.front().origin;
    std::vector<TWireSeg> segments;
    segments.reserve(aState.segments.size());
    for (std::size_t i = 0; i < aState.segments.size(); ++i) {
        const TSegState& c = aState.segments[i];
        TPointRef org = i == 0 ? first : MakePoint(c.origin.x, c.origin.y);
        segments.emplace_back(std::move(org), c.length, c.angle, c.direction, TWireStock{c.material, c.size});
    }
    FSegments = std::move(segments);
    Rebuild();
}

void TWire::ReplaceShape(const TWire& aOther) {
    std::vector<TState> shape;
    aOther.KeepStateToList(shape);
    const double direction = Direction();
    Restore(shape.back());
    Stock = aOther.Stock;
    SetDirection(direction);
    dirty = true;
}

void TWire::StepBack(std::vector<TState>& aFrom, std::vector<TState>& aTo) {
    if (aFrom.empty()) return;
    KeepStateToList(aTo);
    TState state = std::move(aFrom.back());
    aFrom.pop_back();
    Restore(state);
}

void TWire::Undo() { StepBack(FUndoList, FRedoList); }

// The same with the lists exchanged; the undo list takes the current state
// without the limit.
void TWire::Redo() { StepBack(FRedoList, FUndoList); }

void TWire::UndoLevelChanged(int aUndoLevels) {
    const int limit = UndoLimit(aUndoLevels);
    if (limit < 0) return;
    const auto trim = [limit](std::vector<TState>& list) {
        if (static_cast<int>(list.size()) > limit)
            list.erase(list.begin(), list.end() - limit);
    };
    trim(FUndoList);
    trim(FRedoList);
}

}  // namespace torvik
