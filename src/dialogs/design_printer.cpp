#include "dialogs/design_printer.h"

#include <exception>

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "qt/file_names.h"
#include "qt/locale_numbers.h"
#include "qt/qt_canvas.h"
#include "render/scene.h"
#include "support/errors.h"
#include "wire/design.h"
#include "wire/passive_wire.h"

namespace torvik {

namespace {

// Gives the printer its orientation back when the job is over, however it
// ends.
class TOrientationScope {
public:
    TOrientationScope(QPrinter& aPrinter, QPageLayout::Orientation aOrientation)
        : FPrinter(aPrinter), FSaved(aPrinter.pageLayout().orientation()) {
        FPrinter.setPageOrientation(aOrientation);
    }
    ~TOrientationScope() { FPrinter.setPageOrientation(FSaved); }
    TOrientationScope(const TOrientationScope&) = delete;
    TOrientationScope& operator=(const TOrientationScope&) = delete;

private:
    QPrinter& FPrinter;
    QPageLayout::Orientation FSaved;
};

bool PrintsToFile(const QPrinter& aPrinter) {
    return aPrinter.outputFormat() == QPrinter::PdfFormat && !aPrinter.outputFileName().isEmpty();
}

}  // namespace

TDesignPrinter::TDesignPrinter(const TDesign& aDesign, const TViewSettings& aView, int aGridDensity,
                               std::vector<TTitleRow> aTitle)
    : FDesign(aDesign), FView(aView), FGridDensity(aGridDensity), FTitle(std::move(aTitle)) {}

TDesignPrinter::~TDesignPrinter() = default;

TPrintMeasures TDesignPrinter::Measures(QPrinter& aPrinter) {
    TPrintMeasures m;
    m.dpiX = aPrinter.logicalDpiX();
    m.dpiY = aPrinter.logicalDpiY();
    const QPageLayout layout = aPrinter.pageLayout();
    // Each axis at its own resolution.
    const QRect paperX = layout.fullRectPixels(m.dpiX), printableX = layout.paintRectPixels(m.dpiX);
    const QRect paperY = layout.fullRectPixels(m.dpiY), printableY = layout.paintRectPixels(m.dpiY);
    m.offX = printableX.left() - paperX.left();
    m.offY = printableY.top() - paperY.top();
    m.physW = paperX.width();
    m.physH = paperY.height();
    m.lineHeight = QFontMetrics(QFont(), &aPrinter).lineSpacing();
    return m;
}

void TDesignPrinter::Print(QPrinter& aPrinter, const TPrintOptions& aOptions) {
    TOrientationScope orientation(aPrinter, aOptions.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    PrintJob(aPrinter, aOptions);
}

void TDesignPrinter::PrintJob(QPrinter& aPrinter, const TPrintOptions& aOptions) {
    // Everything that can fail on the design's numbers is worked out before
    // the job starts.
    const TPrintMeasures measures = Measures(aPrinter);
    const TPrintLayout layout = ComputePrintLayout(measures, PrintedFields(aOptions));
    std::vector<TPrintTextLine> lines;
    if (aOptions.forceValues)
        lines = ForceValueLines(layout, measures.lineHeight, FDesign.LeftForce, FDesign.RightForce,
                                [](double v) { return FormatLocal(v, "0.00").toStdString(); });
    FPage = TPageExtras();
    FPage.titleTop = TitleBlockTop(layout, measures.lineHeight, lines, TitleBlockHeight(FTitle.size(), measures.lineHeight));
    FPage.lineHeight = measures.lineHeight;
    FPage.titleWidth = layout.rightLimit - layout.left;
    if (aOptions.passiveWire) FPage.bent = UnloadedCopy(FDesign);

    aPrinter.setDocName("Torvik");
    QPainter painter;
    if (!painter.begin(&aPrinter)) {
        if (PrintsToFile(aPrinter))
            throw TFileError("Unable to write the file " + ShownName(aPrinter.outputFileName()).toStdString() + ".");
        throw TFileError("Printing could not be started.");
    }
    try {
        painter.setFont(QFont());
        DrawPage(painter, layout, aOptions, lines);
    } catch (...) {
        // The job is cancelled; where the printer cannot cancel it (a PDF
        // file), the half-printed file is not left behind.
        aPrinter.abort();
        painter.end();
        if (PrintsToFile(aPrinter)) QFile::remove(aPrinter.outputFileName());
        throw;
    }
    if (!painter.end()) throw TFileError("Printing failed.");
}

void TDesignPrinter::DrawPage(QPainter& aPainter, const TPrintLayout& aLayout, const TPrintOptions& aOptions,
                              const std::vector<TPrintTextLine>& aLines) {
    TQtCanvas canvas(aPainter);
    canvas.antialiased = true;
    canvas.SetTransform(QTransform());
    const TRect& clip = aLayout.clip;
    aPainter.setClipRect(QRect(clip.Left, clip.Top, clip.Right - clip.Left, clip.Bottom - clip.Top));
    canvas.SetTransform(QTransform(aLayout.ScaleX(), 0, 0, aLayout.ScaleY(), aLayout.left, aLayout.top));

    TScene scene;
    scene.wire = FDesign.CurrentWire.get();
    if (aOptions.passiveWire && FPage.bent) scene.passiveWire = FPage.bent->CurrentWire.get();
    if (aOptions.brackets) {
        scene.left = &FDesign.LeftBracket;
        scene.right = &FDesign.RightBracket;
    }
    if (aOptions.forces) {
        scene.rightForce = &FDesign.RightForce;
        scene.leftForce = &FDesign.LeftForce;
    }
    DrawDesignLayers(canvas, scene, FView, aOptions.grid, FGridDensity, false);

    if (aLines.empty() && FTitle.empty()) return;
    // The values and the title block are written in printer pixels, without
    // clipping.
    aPainter.setClipping(false);
    canvas.SetTransform(QTransform());
    canvas.brush.style = TBrushStyle::Clear;
    canvas.transparentBackground = true;
    canvas.textColor = Qt::black;
    for (const TPrintTextLine& line : aLines) canvas.TextOut(line.x, line.y, line.text);
    if (!FTitle.empty()) DrawTitleBlock(canvas, FTitle, aLayout.left, FPage.titleTop, FPage.lineHeight, FPage.titleWidth);
}

}  // namespace torvik
