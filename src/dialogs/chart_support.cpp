#include "dialogs/chart_support.h"

#include <algorithm>
#include <stdexcept>

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

#include "qt/file_names.h"

namespace torvik {

namespace {

QString Tr(const char* aText) { return QCoreApplication::translate("ChartSupport", aText); }

}  // namespace

TDataExtent ExtentOf(const QList<QPointF>& aPoints) {
    TDataExtent e;
    for (const QPointF& p : aPoints) {
        e.lo = std::min(e.lo, p.y());
        e.hi = std::max(e.hi, p.y());
    }
    return e;
}

QValueAxis* AddValueAxis(QChart* aChart, const QString& aTitle, const QColor& aColour, Qt::Alignment aSide,
                         const TAxisScale& aScale, int aIntervals) {
    auto* axis = new QValueAxis(aChart);
    axis->setTitleText(aTitle);
    axis->setLabelFormat("%.4g");
    axis->setLinePenColor(aColour);
    axis->setLabelsColor(aColour);
    axis->setRange(aScale.min, aScale.max);
    axis->setTickCount(aIntervals + 1);
    aChart->addAxis(axis, aSide);
    return axis;
}

QLineSeries* AddLineSeries(QChart* aChart, QValueAxis* aX, QValueAxis* aY, const QString& aName,
                           const QColor& aColour, const QList<QPointF>& aPoints, Qt::PenStyle aStyle) {
    auto* series = new QLineSeries(aChart);
    series->setName(aName);
    series->setPointsVisible(true);
    series->setPen(QPen(aColour, 2, aStyle));
    series->append(aPoints);
    aChart->addSeries(series);
    series->attachAxis(aX);
    series->attachAxis(aY);
    return series;
}

void WriteTextFile(const QString& aFileName, const std::string& aText) {
    QSaveFile file(aFileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(aText.data(), static_cast<qint64>(aText.size())) != static_cast<qint64>(aText.size()) ||
        !file.commit())
        throw std::runtime_error(
            Tr("Could not write \"%1\": %2").arg(ShownName(aFileName), file.errorString()).toStdString());
}

void WriteChartFile(QChartView& view, const QString& aFileName, const QString& aTitle) {
    const QSize size = view.size().expandedTo(QSize(640, 400));
    const QRect area(QPoint(0, 0), size);
    if (QFileInfo(aFileName).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        // The SVG is written beside and renamed over the target, so a failed
        // write leaves no half file.
        const QString temporary = aFileName + ".part";
        QSvgGenerator svg;
        svg.setFileName(temporary);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(aTitle);
        QPainter painter;
        if (!painter.begin(&svg))
            throw std::runtime_error(Tr("Could not write \"%1\".").arg(ShownName(aFileName)).toStdString());
        view.render(&painter, QRectF(area), view.rect());
        painter.end();
        QFile::remove(aFileName);
        if (!QFile::rename(temporary, aFileName)) {
            QFile::remove(temporary);
            throw std::runtime_error(Tr("Could not write \"%1\".").arg(ShownName(aFileName)).toStdString());
        }
        return;
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        view.render(&painter, QRectF(area), view.rect());
    }
    QSaveFile file(aFileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw std::runtime_error(
            Tr("Could not write \"%1\": %2").arg(ShownName(aFileName), file.errorString()).toStdString());
}

}  // namespace torvik
