// Display composition: every redraw fills the off-screen image with white,
// draws the design layers through the view mapping and shows the image in
// one copy; an idle redraw also rewrites the force read-out. Also the
// bracket markers, the Show Grid command and the clipboard picture (a
// true-size SVG with a PNG of the same drawing).

#include <algorithm>
#include <utility>

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>

#include "mainwindow/display_widget.h"
#include "mainwindow/force_readout.h"
#include "mainwindow/stale_loads.h"
#include "mainwindow/image_commands.h"
#include "mainwindow/resistance_readout.h"
#include "mainwindow/main_form.h"
#include "mainwindow/stock_panel.h"
#include "mainwindow/tool_dispatch.h"
#include "qt/design_picture.h"
#include "qt/qt_canvas.h"
#include "render/scene.h"
#include "wire/loads_check.h"

namespace torvik {

namespace {

// The clipboard's image beside the SVG: 10 pixels a millimetre.
constexpr int PicturePngDpi = 254;


}  // namespace

TScene TMainForm::PictureScene(const std::vector<TMarker>* aBracketMarkers) const {
    TScene scene = SceneOf(*FDesign, aBracketMarkers);
    // The teeth's centres of resistance while View > Centre of Resistance is on.
    if (FSettings.ShowCentres) scene.tooth = &FSettings.Tooth;
    return scene;
}

TViewSettings TMainForm::CurrentViewSettings() const {
    TViewSettings view = FSettings.View;
    view.Running = FRunning;
    view.SelectedNode = FSelectedNode;
    // While a run goes on its loads are on their way; once idle, loads that
    // no longer hold the wire in the bracket are marked.
    view.LoadsStale = !FRunning && !LoadsMeetBracket(*FDesign, FSettings.Activation);
    return view;
}

void TMainForm::DrawDisplay() {
    if (!FDisplay || !FDesign || !FTools) return;
    const TViewSettings view = CurrentViewSettings();
    QImage& image = FDisplay->Image();
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.antialiased = false;
        canvas.SetMapping(FMapping);
        if (FImageCommands)
            FImageCommands->DrawImageLayer(canvas, FMapping.VisibleRect(), FTools->CurrentTool() == ToolImage);
        DrawDesignLayers(canvas, PictureScene(&FTools->BracketMarkers()), view, FSettings.ShowGrid,
                         FSettings.GridDensity, true);
        // A ghost or zoom band being dragged stays on the image until the
        // tool erases it.
        FTools->DrawGesture(canvas);
    }
    // During a run the read-out keeps the loads of the last idle redraw;
    // the redraw of Stop shows the final ones. The wire's stock follows
    // every edit, open, undo and Apply to Wire, all of which redraw.
    if (!FRunning) {
        DrawStatusForces(view.LoadsStale);
        FPanelStock->Show(*FDesign->CurrentWire);
    }
    FDisplay->update();
}

void TMainForm::DrawStatusForces(bool aStale) {
    const QFontMetrics metrics = fontMetrics();
    QString left = ForceReadoutText(FDesign->LeftForce);
    QString right = ForceReadoutText(FDesign->RightForce);
    // The teeth's centres of resistance on a second line.
    const int lines = FSettings.ShowCentres ? 2 : 1;
    if (FSettings.ShowCentres) {
        left += "\n" + ResistanceReadoutText(FDesign->LeftBracket, FDesign->LeftForce, FSettings.Tooth);
        right += "\n" + ResistanceReadoutText(FDesign->RightBracket, FDesign->RightForce, FSettings.Tooth);
    }
    FPanelForceLeft->parentWidget()->setFixedHeight(metrics.height() * lines + 7);
    // Each panel is as wide as its text, or narrower when the window is: a
    // huge number is cut off rather than widening the window.
    for (const auto& [panel, text] : {std::pair{FPanelForceLeft, left}, std::pair{FPanelForceRight, right}}) {
        int width = 0;
        for (const QString& line : text.split('\n')) width = std::max(width, metrics.horizontalAdvance(line));
        panel->setMinimumWidth(1);
        panel->setMaximumWidth(width);
        panel->setText(text);
        // Grey when stale; the tooltip gives the units and the signs.
        ShowLoadsStale(*panel, aStale);
    }
}

void TMainForm::RefreshMarkers() {
    FTools->RebuildBracketMarkers(Action("ActionToolBracket")->isChecked());
    DrawDisplay();
}

void TMainForm::MenuEditCopyClick() {
    TDesignPicture picture{PictureScene(), CurrentViewSettings(), FSettings.ShowGrid, FSettings.GridDensity, {}};
    auto* data = new QMimeData;
    data->setData("image/svg+xml", DesignSvg(picture));
    data->setImageData(DesignImage(picture, PicturePngDpi, Qt::transparent));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace torvik
