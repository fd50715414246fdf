#pragma once
// Pages and pictures measured as pixels: poppler's tools rasterise a PDF or
// extract its text, and the grid's grey lines are found in the result.

#include <vector>

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace torvik::test {

// Runs a poppler tool; its standard output, with the font's "fi" ligature
// written as two letters.
inline QString RunTool(const QString& aProgram, const QStringList& aArguments) {
    QProcess process;
    process.start(aProgram, aArguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << aProgram.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << aProgram.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput()).replace(QChar(0xFB01), "fi");
}

// The first page of aPdf at aDpi in grey levels, without smoothing, so that
// a hairline is one whole pixel.
inline QImage Rasterise(const QString& aPdf, int aDpi) {
    const QString base = aPdf + "-page";
    RunTool("pdftoppm", {"-r", QString::number(aDpi), "-gray", "-aa", "no", "-aaVector", "no", "-singlefile", "-png",
                         aPdf, base});
    return QImage(base + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// Columns in which more than aMinRun pixels are the grid's grey, left to
// right; of neighbouring columns the last counts.
inline std::vector<int> GreyColumns(const QImage& aPage, int aMinRun) {
    const QImage grey = aPage.convertToFormat(QImage::Format_Grayscale8);
    std::vector<int> count(static_cast<std::size_t>(grey.width()), 0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) count[static_cast<std::size_t>(x)] += row[x] > 96 && row[x] < 176;
    }
    std::vector<int> columns;
    for (int x = 0; x < grey.width(); ++x) {
        if (count[static_cast<std::size_t>(x)] <= aMinRun) continue;
        if (!columns.empty() && columns.back() == x - 1)
            columns.back() = x;
        else
            columns.push_back(x);
    }
    return columns;
}

// Centres of the vertical lines of a smoothed picture on white: columns
// darker than aMinDarkness in sum (255 - grey level over the column) form a
// line, its centre weighted by darkness, in pixel index units.
inline std::vector<double> LineCentres(const QImage& aPicture, long aMinDarkness) {
    const QImage grey = aPicture.convertToFormat(QImage::Format_Grayscale8);
    std::vector<long> dark(static_cast<std::size_t>(grey.width()), 0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) dark[static_cast<std::size_t>(x)] += 255 - row[x];
    }
    std::vector<double> centres;
    double sum = 0, weighted = 0;
    for (int x = 0; x <= grey.width(); ++x) {
        const long d = x < grey.width() ? dark[static_cast<std::size_t>(x)] : 0;
        if (d > aMinDarkness) {
            sum += static_cast<double>(d);
            weighted += static_cast<double>(d) * x;
        } else if (sum > 0) {
            centres.push_back(weighted / sum);
            sum = weighted = 0;
        }
    }
    return centres;
}

}  // namespace torvik::test
