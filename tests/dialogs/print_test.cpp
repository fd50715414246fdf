// Protects printing: the Print dialog's fields, true size on paper (a rasterised PDF), the force values, the passive-wire template with its title block, and failing jobs.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "dialogs/design_printer.h"
#include "dialogs/print_dlg.h"
#include "../gui/page_raster.h"
#include "render/title_block.h"
#include "render/view_settings.h"
#include "wire/activation_run.h"
#include "wire/applied_load.h"
#include "wire/design.h"

namespace torvik::test {
namespace {

constexpr int RasterDpi = 300;
// Pixels of 100 mm at 300 dpi: 1181.1.
constexpr double Raster100Mm = RasterDpi / 0.254;

int DarkPixelsInRows(const QImage& aPage, int aTop, int aBottom) {
    int count = 0;
    for (int y = std::max(0, aTop); y < std::min(aPage.height(), aBottom); ++y) {
        const uchar* row = aPage.constScanLine(y);
        for (int x = 0; x < aPage.width(); ++x) count += row[x] < 64;
    }
    return count;
}

class PrintTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDesign design{0.25, DefaultStock()};
    TViewSettings view;

    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        TWire& w = *design.CurrentWire;
        for (int i = 0; i < 40; ++i) w.AddSeg(0.25, 0);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString Pdf(const char* aName) const { return dir.filePath(aName); }

    static void ToPdf(QPrinter& aPrinter, const QString& aFile) {
        aPrinter.setOutputFormat(QPrinter::PdfFormat);
        aPrinter.setOutputFileName(aFile);
    }
};

TEST_F(PrintTest, DialogFieldsAndOptions) {
    TPrintDlg dlg;
    EXPECT_EQ(dlg.objectName(), "PrintDlg");
    EXPECT_EQ(dlg.windowTitle(), "Print");
    EXPECT_EQ(dlg.HelpTopic(), 19);
    auto* printers = dlg.findChild<QComboBox*>("PrintersCB");
    ASSERT_NE(printers, nullptr);
    // Printing to a PDF file is always offered, as the last item.
    EXPECT_EQ(printers->itemText(printers->count() - 1), TPrintDlg::PdfFileItem);
    auto* scale = dlg.findChild<QComboBox*>("ScaleCB");
    ASSERT_EQ(scale->count(), 10);
    EXPECT_EQ(scale->itemText(0), "Life Size");
    EXPECT_EQ(scale->itemText(1), "x 2");
    EXPECT_EQ(scale->itemText(9), "x 10");
    EXPECT_EQ(scale->currentIndex(), 0);
    for (const char* name : {"TopEd", "BottomEd", "LeftEd", "RightEd"})
        EXPECT_EQ(dlg.findChild<QLineEdit*>(name)->text(), "2") << name;
    EXPECT_EQ(dlg.findChild<QLineEdit*>("WidthEd")->text(), "17");
    EXPECT_EQ(dlg.findChild<QLineEdit*>("HeightEd")->text(), "15");
    for (const char* name : {"GridCB", "ForcesCB", "BracketsCB", "ForcesTextCB"})
        EXPECT_TRUE(dlg.findChild<QCheckBox*>(name)->isChecked()) << name;
    // The template is off at first; while it is on, the scale factor does
    // not apply.
    auto* passive = dlg.findChild<QCheckBox*>("PassiveCB");
    ASSERT_NE(passive, nullptr);
    EXPECT_FALSE(passive->isChecked());
    EXPECT_FALSE(dlg.Options().passiveWire);
    passive->setChecked(true);
    EXPECT_TRUE(dlg.Options().passiveWire);
    EXPECT_FALSE(scale->isEnabled());
    passive->setChecked(false);
    EXPECT_TRUE(scale->isEnabled());
    EXPECT_EQ(dlg.findChild<QCheckBox*>("ForcesTextCB")->text(), "Print Force &Values");
    EXPECT_TRUE(dlg.findChild<QRadioButton*>("OrientP")->isChecked());
    for (const char* name : {"ButSetup", "OKBtn", "CancelBtn", "HelpBut"})
        EXPECT_NE(dlg.findChild<QPushButton*>(name), nullptr) << name;
    // The orientation picture follows the buttons.
    auto* picture = dlg.findChild<QLabel*>("OrientImage");
    const QImage portrait = picture->pixmap().toImage();
    dlg.findChild<QRadioButton*>("OrientL")->setChecked(true);
    EXPECT_NE(picture->pixmap().toImage(), portrait);
    EXPECT_EQ(picture->pixmap().toImage(), dlg.findChild<QLabel*>("ImageL")->pixmap().toImage());

    QSignalSpy help(&dlg, &TTorvikDialog::helpRequested);
    dlg.findChild<QPushButton*>("HelpBut")->click();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 19);

    // Fields are read in the user's locale; what does not read is empty.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dlg.findChild<QLineEdit*>("TopEd")->setText("1,5");
    dlg.findChild<QLineEdit*>("LeftEd")->setText("1.5");
    dlg.findChild<QLineEdit*>("WidthEd")->setText("");
    dlg.findChild<QLineEdit*>("HeightEd")->setText("abc");
    scale->setCurrentIndex(2);
    dlg.findChild<QCheckBox*>("GridCB")->setChecked(false);
    const TPrintOptions o = dlg.Options();
    EXPECT_EQ(o.fields.top, 1.5);
    EXPECT_FALSE(o.fields.left.has_value());
    EXPECT_EQ(o.fields.bottom, 2.0);
    EXPECT_FALSE(o.fields.width.has_value());
    EXPECT_FALSE(o.fields.height.has_value());
    EXPECT_EQ(o.fields.scaleFactor, 3);
    EXPECT_TRUE(o.landscape);
    EXPECT_FALSE(o.grid);
    EXPECT_TRUE(o.forces && o.brackets && o.forceValues);

    // Choosing the PDF file item makes the printer a PDF printer.
    printers->setCurrentIndex(printers->count() - 1);
    EXPECT_TRUE(dlg.PrintsToPdfFile());
    EXPECT_EQ(dlg.Printer().outputFormat(), QPrinter::PdfFormat);
}

TEST_F(PrintTest, LifeSizeAndDoubleSizeOnPaper) {
    TPrintOptions options;
    options.forces = options.brackets = false;
    // 10 mm grid: eleven solid lines across the 100 mm design area.
    TDesignPrinter printer(design, view, 0);

    QPrinter life(QPrinter::HighResolution);
    ToPdf(life, Pdf("life.pdf"));
    printer.Print(life, options);
    QImage page = Rasterise(Pdf("life.pdf"), RasterDpi);
    ASSERT_FALSE(page.isNull());
    std::vector<int> lines = GreyColumns(page, 500);
    ASSERT_EQ(lines.size(), 11u);
    // 100 mm of design span 100 mm of paper within a pixel, and the left
    // margin of 2 cm is measured from the paper's edge.
    EXPECT_NEAR(lines.back() - lines.front(), Raster100Mm, 1.0);
    EXPECT_NEAR(lines.front(), 2 / 2.54 * RasterDpi, 1.0);
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_NEAR(lines[i] - lines[i - 1], Raster100Mm / 10, 1.0);

    // x 2 on landscape paper, the graphic stretched to the right limit and
    // 5 cm high: 100 mm of design span 200 mm of paper.
    options.fields.scaleFactor = 2;
    options.landscape = true;
    options.fields.width = std::nullopt;
    options.fields.height = 5;
    QPrinter twice(QPrinter::HighResolution);
    ToPdf(twice, Pdf("twice.pdf"));
    printer.Print(twice, options);
    page = Rasterise(Pdf("twice.pdf"), RasterDpi);
    ASSERT_GT(page.width(), page.height());
    lines = GreyColumns(page, 300);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_NEAR(lines.back() - lines.front(), 2 * Raster100Mm, 1.0);
    // The printer's own orientation is back.
    EXPECT_EQ(twice.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PrintTest, ForceValuesBelowTheGraphic) {
    design.RightForce.x = 100;
    design.RightForce.m = -250;
    design.CalcLeftForce();
    TDesignPrinter printer(design, view, 2);
    TPrintOptions options;
    QPrinter withValues(QPrinter::HighResolution);
    ToPdf(withValues, Pdf("values.pdf"));
    printer.Print(withValues, options);

    const QString text = RunTool("pdftotext", {"-layout", Pdf("values.pdf"), "-"});
    for (const char* line : {"Left Bracket", "F(x): -100.00", "F(y): 0.00", "Right Bracket", "F(x): 100.00",
                             "Moment: -250.00", "M/F: -2.50"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();

    // Below the graphic (2 + 15 cm from the top) there is text exactly when
    // the values are printed.
    const int graphicBottom = static_cast<int>(17 / 2.54 * RasterDpi) + 2;
    EXPECT_GT(DarkPixelsInRows(Rasterise(Pdf("values.pdf"), RasterDpi), graphicBottom, graphicBottom + 600), 200);
    options.forceValues = false;
    QPrinter without(QPrinter::HighResolution);
    ToPdf(without, Pdf("novalues.pdf"));
    printer.Print(without, options);
    EXPECT_EQ(DarkPixelsInRows(Rasterise(Pdf("novalues.pdf"), RasterDpi), graphicBottom, graphicBottom + 600), 0);

    // A force of zero magnitude has no moment-to-force ratio.
    TDesign unloaded(0.25, DefaultStock());
    TDesignPrinter zero(unloaded, view, 2);
    QPrinter zeroPrinter(QPrinter::HighResolution);
    ToPdf(zeroPrinter, Pdf("zero.pdf"));
    zero.Print(zeroPrinter, TPrintOptions());
    const QString zeroText = RunTool("pdftotext", {"-layout", Pdf("zero.pdf"), "-"});
    EXPECT_EQ(zeroText.count("M/F: Undefined"), 2) << zeroText.toStdString();
}

TEST_F(PrintTest, APassiveWireTemplateWithItsTitleBlock) {
    // A 10.25 mm wire bent down at its end by a load of 60 cN: about 0.9 mm.
    ApplyLoad(design, 0, 60, 0);
    TPrintOptions options;
    options.grid = options.forces = options.brackets = false;
    options.passiveWire = true;
    options.fields.scaleFactor = 3;  // a template is life size all the same
    const std::vector<TTitleRow> title = TitleRows(design, TFileName("/home/ann/Closing Loop.tvk"),
                                                   TActivationSettings(), "2031-04-05",
                                                   [](double v) { return std::to_string(v); });
    TDesignPrinter printer(design, view, 2, title);
    QPrinter pdf(QPrinter::HighResolution);
    ToPdf(pdf, Pdf("template.pdf"));
    printer.Print(pdf, options);
    const QImage page = Rasterise(Pdf("template.pdf"), RasterDpi);
    ASSERT_FALSE(page.isNull());
    // Design millimetres to pixels of the page: the margins are 2 cm.
    const auto px = [](double aMm) { return static_cast<int>((20 + aMm) / 25.4 * RasterDpi); };
    const auto level = [&page](int x, int y) { return page.constScanLine(y)[x]; };

    // The wire as bent: straight along y = 10 mm, black, its 0.41 mm
    // thickness across, from 10 mm to 20.25 mm with round ends of half that.
    int first = -1, last = -1;
    const int above = px(10 - 0.12);  // inside the band, clear of the grey line
    for (int x = 0; x < page.width(); ++x)
        if (level(x, above) < 64) {
            if (first < 0) first = x;
            last = x;
        }
    EXPECT_NEAR(first, px(10 - 0.2), 2);
    EXPECT_NEAR(last, px(20.25 + 0.2), 2);
    // Across it near the clamp, where the grey line lies within it.
    int thick = 0;
    for (int y = px(9); y < px(11); ++y) thick += level(px(10.5), y) < 176;
    EXPECT_NEAR(thick, 0.4064 / 25.4 * RasterDpi, 1.5);

    // The activated wire: thin and grey where the load has taken it, off
    // the black one.
    const TPointReal end = design.CurrentWire->Segment(36).Corner();
    ASSERT_GT(end.y, 10.6);
    int grey = 0, dark = 0;
    for (int y = px(end.y) - 3; y <= px(end.y) + 3; ++y) {
        grey += level(px(end.x), y) > 96 && level(px(end.x), y) < 176;
        dark += level(px(end.x), y) < 64;
    }
    EXPECT_GE(grey, 1);
    EXPECT_EQ(dark, 0);
    EXPECT_LT(level(px(end.x), above), 64);  // the wire as bent, still black there

    // Below the force values, the title block.
    const QString text = RunTool("pdftotext", {"-layout", Pdf("template.pdf"), "-"});
    for (const char* words : {"Design:", "/home/ann/Closing Loop.tvk", "Wire:", "Stainless Steel 0.016", "Target:",
                              "Activation:", "Units:", "Date:", "2031-04-05"})
        EXPECT_TRUE(text.contains(words)) << words << "\n" << text.toStdString();
    EXPECT_LT(text.indexOf("Right Bracket"), text.indexOf("Design:"));
}

// Fails while the page is being drawn, once the job has started.
class TFailingPrinter : public TDesignPrinter {
public:
    using TDesignPrinter::TDesignPrinter;
    bool drawn = false;

protected:
    void DrawPage(QPainter& aPainter, const TPrintLayout& aLayout, const TPrintOptions& aOptions,
                  const std::vector<TPrintTextLine>& aLines) override {
        TDesignPrinter::DrawPage(aPainter, aLayout, aOptions, aLines);
        drawn = true;
        throw std::runtime_error("The printer ran out of paper");
    }
};

TEST_F(PrintTest, FailingJobIsAbortedAndOrientationRestored) {
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, Pdf("failed.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    TFailingPrinter failing(design, view, 2);
    TPrintOptions options;  // portrait for the job
    EXPECT_THROW(failing.Print(printer, options), std::runtime_error);
    EXPECT_TRUE(failing.drawn);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    // No half-written file is left behind.
    EXPECT_FALSE(QFile::exists(Pdf("failed.pdf")));

    // A page that cannot be laid out starts no job at all.
    options.fields.width = 1e12;
    TDesignPrinter plain(design, view, 2);
    EXPECT_THROW(plain.Print(printer, options), std::range_error);
    EXPECT_FALSE(QFile::exists(Pdf("failed.pdf")));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    // The same printer prints again afterwards.
    plain.Print(printer, TPrintOptions());
    EXPECT_TRUE(QFile::exists(Pdf("failed.pdf")));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

}  // namespace
}  // namespace torvik::test
