// Tool selection and the display's mouse events: the current tool and its
// cursor, and the dispatch of presses, moves and releases to the tools,
// which live in the core and reach the window through TToolDispatch.

#include <QAction>
#include <QMouseEvent>

#include "mainwindow/display_keys.h"
#include "mainwindow/display_widget.h"
#include "mainwindow/main_form.h"
#include "mainwindow/tool_dispatch.h"

namespace torvik {

void TMainForm::CreateTools() {
    FTools = std::make_unique<TToolDispatch>(*this, *FDisplay, *FPanelBottom, FMapping, [this] {
        SyncScrollBars();
        DrawDisplay();
        ZoomTextMessage();
    });
    FKeys = std::make_unique<TDisplayKeys>(*this, *FTools);
    FDisplay->OnLeave = [this] { FTools->MouseLeft(); };
}

int TMainForm::CurrentTool() const { return FTools->CurrentTool(); }

void TMainForm::ActionToolExecute(QAction* aAction) { SelectTool(aAction); }

void TMainForm::SelectTool(QAction* aAction) {
    if (!aAction) return;
    aAction->setChecked(true);
    if (!FTools->Select(aAction->data().toInt())) return;
    if (FTools->CurrentTool() == ToolRotate) return;
    RefreshMarkers();
}

void TMainForm::DisplayMouseDown(QMouseEvent* aEvent) { FTools->MouseDown(aEvent); }
void TMainForm::DisplayMouseMove(QMouseEvent* aEvent) { FTools->MouseMove(aEvent); }
void TMainForm::DisplayMouseUp(QMouseEvent* aEvent) { FTools->MouseUp(aEvent); }

}  // namespace torvik
