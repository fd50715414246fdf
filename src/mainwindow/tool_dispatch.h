#pragma once
// The window's side of the mouse tools: it keeps the tools and the bracket
// selection, turns the display's mouse events into logical units, buttons
// and modifier keys for the current tool, and gives the tools what they ask
// for: the design and settings through the window's public part, the status
// panel, the cursor and the hint of the display, and drawing over the shown
// picture.

#include <functional>
#include <vector>

#include <QPoint>

#include "tools/tool.h"
#include "tools/tool_set.h"

class QLabel;
class QMouseEvent;

namespace torvik {

class TMainForm;
class TDisplayWidget;

class TToolDispatch : public TToolContext {
public:
    // aViewChanged shows a change of aMapping: scroll bars, picture and the
    // zoom box.
    TToolDispatch(TMainForm& aForm, TDisplayWidget& aDisplay, QLabel& aStatusPanel, TViewMapping& aMapping,
                  std::function<void()> aViewChanged);

    int CurrentTool() const { return FTools.Current(); }
    // Makes tool aTag current and shows its cursor; false for a tag outside
    // 0..7, which changes nothing.
    bool Select(int aTag);
    // The design was replaced: no bracket selected, no gesture going on.
    void DesignReplaced();

    // The markers shown on the selected bracket.
    const std::vector<TMarker>& BracketMarkers() const { return FBracketMarkers; }
    // The selected bracket's markers when aShow (the bracket tool's button
    // is down), none otherwise.
    void RebuildBracketMarkers(bool aShow);
    // The current tool's ghost or band over a freshly composed picture.
    void DrawGesture(TCanvas& aCanvas) const { FTools.DrawOverlay(aCanvas); }

    // The display's mouse events.
    void MouseDown(QMouseEvent* aEvent);
    void MouseMove(QMouseEvent* aEvent);
    void MouseUp(QMouseEvent* aEvent);
    void MouseLeft();
    // Shift or Ctrl went down or up, or a key bent the wire: the current tool
    // sees the mouse move where it is, with these keys, so that cursor and
    // read-out follow at once. Nothing when the mouse is not over the display.
    void MoveInPlace(Qt::KeyboardModifiers aModifiers);
    // Esc for the current tool; whether it used it.
    bool Escape();

    // TToolContext.
    TDesign& Design() override;
    bool SnapGrid() const override;
    double SnapStep() const override;
    double SegmentSize() const override;
    int SelectedNode() const override;
    void SetSelectedNode(int aNode) override;
    TBracket* SelectedBracket() const override { return FSelectedBracket; }
    void SetSelectedBracket(TBracket* aBracket) override { FSelectedBracket = aBracket; }
    void SetBracketMarkers(std::vector<TMarker> aMarkers) override { FBracketMarkers = std::move(aMarkers); }
    void SelectBracketMode(int aMode) override;
    void RecordUndo() override;
    void RefreshMarkers() override;
    void DrawDisplay() override;
    void DrawOverlay(const std::function<void(TCanvas&)>& aDraw) override;
    void SetStatus(const std::string& aText) override;
    void SetHint(const std::string& aText) override;
    void SetCursor(TCursorId aCursor) override;
    std::string FormatNumber(double aValue, std::string_view aMask) const override;
    TViewMapping& Mapping() override { return FMapping; }
    void ViewChanged() override { FViewChanged(); }
    bool ImageShown() const override;

private:
    // Remembers where the mouse is; its logical point.
    TPoint Track(QMouseEvent* aEvent);

    TMainForm& FForm;
    TDisplayWidget& FDisplay;
    QLabel& FStatusPanel;
    TViewMapping& FMapping;
    std::function<void()> FViewChanged;
    TToolSet FTools;
    TBracket* FSelectedBracket = nullptr;
    std::vector<TMarker> FBracketMarkers;
    QPoint FMouse;
    bool FMouseInside = false;
};

}  // namespace torvik
