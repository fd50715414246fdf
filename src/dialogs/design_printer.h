#pragma once
// Prints the design on a QPrinter at true size (or enlarged by a whole
// factor), through the same drawing code as the screen: grid, wire,
// brackets and force arrows under the page's mapping and clipping, then the
// block of force values below the graphic.

#include "render/print_layout.h"
#include "render/view_settings.h"

class QPainter;
class QPrinter;

namespace torvik {

struct TDesign;

class TDesignPrinter {
public:
    // The design and the view settings it is drawn with; both must outlive
    // the printer object.
    TDesignPrinter(const TDesign& aDesign, const TViewSettings& aView, int aGridDensity);
    virtual ~TDesignPrinter() = default;

    // Prints one page. The printer takes the options' orientation for the
    // job and gets its own back afterwards, also when printing fails. A
    // failure after the job has started aborts the job (a PDF file being
    // written is removed) and is passed on; nothing is printed when the page
    // cannot be laid out.
    void Print(QPrinter& aPrinter, const TPrintOptions& aOptions);

    // The printer's resolution, printing offset, paper size and text line
    // height, in printer pixels, for its current orientation.
    static TPrintMeasures Measures(QPrinter& aPrinter);

protected:
    // Draws the page on the printer's active painter.
    virtual void DrawPage(QPainter& aPainter, const TPrintLayout& aLayout, const TPrintOptions& aOptions,
                          const std::vector<TPrintTextLine>& aLines);

private:
    void PrintJob(QPrinter& aPrinter, const TPrintOptions& aOptions);

    const TDesign& FDesign;
    TViewSettings FView;
    int FGridDensity;
};

}  // namespace torvik
