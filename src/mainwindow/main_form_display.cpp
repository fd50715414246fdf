// Display composition: every redraw fills the off-screen image with white,
// draws the design layers through the view mapping and shows the image in
// one copy. Also the bracket markers, the Show Grid command and the
// clipboard picture (a true-size SVG with a PNG of the same drawing).

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>

#include "mainwindow/display_widget.h"
#include "mainwindow/image_commands.h"
#include "mainwindow/main_form.h"
#include "mainwindow/tool_dispatch.h"
#include "qt/design_picture.h"
#include "qt/qt_canvas.h"
#include "render/scene.h"

namespace torvik {

namespace {

// The clipboard's image beside the SVG: 10 pixels a millimetre.
constexpr int PicturePngDpi = 254;

}  // namespace

TViewSettings TMainForm::CurrentViewSettings() const {
    TViewSettings view = FSettings.View;
    view.Running = FRunning;
    view.SelectedNode = FSelectedNode;
    return view;
}

void TMainForm::DrawDisplay() {
    if (!FDisplay || !FDesign || !FTools) return;
    QImage& image = FDisplay->Image();
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.antialiased = false;
        canvas.SetMapping(FMapping);
        if (FImageCommands)
            FImageCommands->DrawImageLayer(canvas, FMapping.VisibleRect(), FTools->CurrentTool() == ToolImage);
        DrawDesignLayers(canvas, SceneOf(*FDesign, &FTools->BracketMarkers()), CurrentViewSettings(),
                         FSettings.ShowGrid, FSettings.GridDensity, true);
        // A ghost or zoom band being dragged stays on the image until the
        // tool erases it.
        FTools->DrawGesture(canvas);
    }
    // The force read-out is left empty during a run.
    if (!FRunning) {
        FPanelForceLeft->clear();
        FPanelForceRight->clear();
    }
    FDisplay->update();
}

void TMainForm::RefreshMarkers() {
    FTools->RebuildBracketMarkers(Action("ActionToolBracket")->isChecked());
    DrawDisplay();
}

void TMainForm::MenuEditCopyClick() {
    TDesignPicture picture{SceneOf(*FDesign, nullptr), CurrentViewSettings(), FSettings.ShowGrid, FSettings.GridDensity};
    auto* data = new QMimeData;
    data->setData("image/svg+xml", DesignSvg(picture));
    data->setImageData(DesignImage(picture, PicturePngDpi, Qt::transparent));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace torvik
