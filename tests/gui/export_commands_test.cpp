// Protects Export Picture: true-size SVG and PDF files, PNG images at the chosen resolution, the title block below the design area or none, and refused resolutions.
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>

#include "gui_fixture.h"
#include "page_raster.h"

namespace torvik::test {
namespace {

using TExportCommandsTest = TGuiTest;

std::function<int(QDialog&)> ExportAs(const char* aFormat, const QString& aDpi = "300", bool aTitle = true) {
    return [aFormat, aDpi, aTitle](QDialog& aDialog) {
        EXPECT_EQ(aDialog.objectName(), "ExportPictureDlg");
        aDialog.findChild<QRadioButton*>(aFormat)->setChecked(true);
        aDialog.findChild<QLineEdit*>("ResolutionEd")->setText(aDpi);
        aDialog.findChild<QCheckBox*>("TitleCB")->setChecked(aTitle);
        return int(QDialog::Accepted);
    };
}

TEST_F(TExportCommandsTest, TrueSizeSvgPdfAndPng) {
    TMainForm& form = Start();
    form.Settings().GridDensity = 0;  // solid lines every 10 mm

    // Without the title block: the 100 mm design area alone.
    FDialogs->dialogScripts.push_back(ExportAs("FormatSvg", "300", false));
    FDialogs->saveNames.push_back(Path("loop.svg"));
    Trigger("MenuFileExportPicture");
    QString svg = ReadText(Path("loop.svg"));
    EXPECT_TRUE(svg.contains("width=\"100mm\" height=\"100mm\"")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 10000 10000\""));
    EXPECT_FALSE(svg.contains("Untitled"));
    ASSERT_EQ(FDialogs->Of("save").size(), 1u);
    EXPECT_TRUE(FDialogs->Of("save")[0].text.startsWith("SVG pictures (*.svg)"));

    // With it (the first choice): 25 mm more below the design area for its
    // six rows, the design's name and today's date among them.
    FDialogs->dialogScripts.push_back(ExportAs("FormatSvg"));
    FDialogs->saveNames.push_back(Path("titled.svg"));
    Trigger("MenuFileExportPicture");
    svg = ReadText(Path("titled.svg"));
    EXPECT_TRUE(svg.contains("width=\"100mm\" height=\"125mm\"")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 10000 12500\""));
    for (const QString& words : {QString("Untitled"), QDate::currentDate().toString(Qt::ISODate)})
        EXPECT_TRUE(svg.contains(words)) << words.toStdString();

    // On the PDF page the 100 mm design area spans 100 mm: 1181.1 pixels at
    // 300 dpi, and the page just holds it and the title block.
    FDialogs->dialogScripts.push_back(ExportAs("FormatPdf"));
    FDialogs->saveNames.push_back(Path("loop.pdf"));
    Trigger("MenuFileExportPicture");
    const QImage page = Rasterise(Path("loop.pdf"), 300);
    EXPECT_NEAR(page.width(), 284 / 72.0 * 300, 1.0);
    EXPECT_NEAR(page.height(), 355 / 72.0 * 300, 1.0);
    EXPECT_TRUE(RunTool("pdftotext", {"-layout", Path("loop.pdf"), "-"}).simplified().contains("Design: Untitled"));
    std::vector<int> lines = GreyColumns(page, 1000);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_NEAR(lines.back() - lines.front(), 300 / 0.254, 1.0);
    // The next export starts in the folder of the last one.
    EXPECT_EQ(FDialogs->folders.back(), Path("Torvik.pdf"));

    // 300 dpi: 100 mm are nint(300 / 0.254) = 1181 pixels, on white.
    FDialogs->dialogScripts.push_back(ExportAs("FormatPng", "300"));
    FDialogs->saveNames.push_back(Path("loop.png"));
    Trigger("MenuFileExportPicture");
    const QImage png(Path("loop.png"));
    ASSERT_EQ(png.size(), QSize(1181, 1476));  // 125 mm high with the title block
    EXPECT_EQ(png.dotsPerMeterX(), 11811);
    EXPECT_EQ(png.pixel(500, 600), qRgb(255, 255, 255));
    // Smoothed lines, away from the brackets: from the 30 mm line to the
    // 90 mm line are 60 mm.
    const auto centreNear = [&png](double aMm) {
        for (double c : LineCentres(png, 255 * 100))
            if (std::abs(c - aMm / 25.4 * 300) < 5) return c;
        return -1.0;
    };
    EXPECT_NEAR(centreNear(90) - centreNear(30), 60 / 25.4 * 300, 1.0);

    // A saved design proposes its own name.
    FDialogs->saveNames.push_back(Path("closing loop.tvk"));
    Trigger("MenuFileSaveAs");
    FDialogs->dialogScripts.push_back(ExportAs("FormatSvg"));
    FDialogs->saveNames.push_back(QString());
    Trigger("MenuFileExportPicture");
    EXPECT_EQ(FDialogs->folders.back(), Path("closing loop.svg"));
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

TEST_F(TExportCommandsTest, RefusedResolutionsAndCancelling) {
    Start();
    FDialogs->dialogScripts.push_back(ExportAs("FormatPng", "abc"));
    Trigger("MenuFileExportPicture");
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "Incorrect value entered.");
    FDialogs->dialogScripts.push_back(ExportAs("FormatPng", "5000"));
    Trigger("MenuFileExportPicture");
    ASSERT_EQ(FDialogs->Of("error").size(), 2u);
    EXPECT_EQ(FDialogs->Of("error")[1].text, "The resolution must lie between 25 and 1200 dpi.");
    EXPECT_TRUE(FDialogs->Of("save").empty());

    // The resolution does not matter for a vector picture.
    FDialogs->dialogScripts.push_back(ExportAs("FormatSvg", "abc"));
    Trigger("MenuFileExportPicture");  // the file name is cancelled
    EXPECT_EQ(FDialogs->Of("save").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error").size(), 2u);
    // Cancelling the dialog asks nothing more.
    Trigger("MenuFileExportPicture");
    EXPECT_EQ(FDialogs->Of("save").size(), 1u);

    // A file that cannot be written is an error.
    FDialogs->dialogScripts.push_back(ExportAs("FormatSvg"));
    FDialogs->saveNames.push_back(Path("no-such-folder/loop.svg"));
    Trigger("MenuFileExportPicture");
    ASSERT_EQ(FDialogs->Of("error").size(), 3u);
    EXPECT_TRUE(FDialogs->Of("error")[2].text.startsWith("Unable to write the file"));
}

}  // namespace
}  // namespace torvik::test
