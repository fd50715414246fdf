#pragma once
// A tool context that records what the tools ask of the window: undo
// states, redraws, the status text, the hint, the cursor and the overlay
// figures, on a new design with the program's start settings.

#include <string>
#include <vector>

#include "render/image_placement.h"
#include "render/recording_canvas.h"
#include "render/view_mapping.h"
#include "support/numbers.h"
#include "tools/tool.h"
#include "tools/tool_set.h"
#include "wire/design.h"

namespace torvik::test {

class TTestToolContext : public TToolContext {
public:
    TDesign design{0.25, DefaultStock()};
    bool snapGrid = true;
    double snapStep = 1.0;
    double segmentSize = 0.25;
    int selectedNode = 0;
    TBracket* selectedBracket = nullptr;
    std::vector<TMarker> bracketMarkers;
    TViewMapping mapping;
    // No picture until a test gives it one.
    TImagePlacement image;

    // What the tools did.
    int undoStates = 0;
    int refreshes = 0;
    int redraws = 0;
    int viewChanges = 0;
    std::vector<int> bracketModes;
    std::string status;
    std::string hint;
    TCursorId cursor = TCursorId::Default;
    TRecordingCanvas overlay;
    // The tools the bracket tool switches between, when attached.
    TToolSet* tools = nullptr;

    TTestToolContext() { mapping.SetDisplaySize(800, 600); }

    TDesign& Design() override { return design; }
    bool SnapGrid() const override { return snapGrid; }
    double SnapStep() const override { return snapStep; }
    double SegmentSize() const override { return segmentSize; }
    int SelectedNode() const override { return selectedNode; }
    void SetSelectedNode(int aNode) override { selectedNode = aNode; }
    TBracket* SelectedBracket() const override { return selectedBracket; }
    void SetSelectedBracket(TBracket* aBracket) override { selectedBracket = aBracket; }
    void SetBracketMarkers(std::vector<TMarker> aMarkers) override { bracketMarkers = std::move(aMarkers); }
    void SelectBracketMode(int aMode) override {
        bracketModes.push_back(aMode);
        if (tools) tools->Select(aMode);
    }
    void RecordUndo() override {
        ++undoStates;
        design.KeepState(UndoUnlimited);
    }
    void RefreshMarkers() override {
        ++refreshes;
        ++redraws;
    }
    void DrawDisplay() override { ++redraws; }
    void DrawOverlay(const std::function<void(TCanvas&)>& aDraw) override { aDraw(overlay); }
    void SetStatus(const std::string& aText) override { status = aText; }
    void SetHint(const std::string& aText) override { hint = aText; }
    void SetCursor(TCursorId aCursor) override { cursor = aCursor; }
    std::string FormatNumber(double aValue, std::string_view aMask) const override {
        return FormatMask(aValue, aMask);
    }
    TViewMapping& Mapping() override { return mapping; }
    void ViewChanged() override { ++viewChanges; }
    TImagePlacement* BackgroundImage() override { return &image; }

    TWire& Wire() { return *design.CurrentWire; }
    // The logical point of node i, where a click hits it.
    TPoint Node(int i) const {
        const TPointReal c = design.CurrentWire->Segment(i).Corner();
        return TPointReal(c.x * 100, c.y * 100).AsTPoint();
    }
};

constexpr TShiftState NoKeys{};
constexpr TShiftState ShiftKey{true, false, false};
constexpr TShiftState CtrlKey{false, true, false};
constexpr TShiftState ShiftCtrl{true, true, false};

}  // namespace torvik::test
