#pragma once
// What the chart windows (the activation curve, the parameter sweep) share:
// value axes scaled together, line series on them, and writing the table as
// CSV and the chart as PNG or SVG without leaving a half-written file.

#include <string>

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include "support/chart_scale.h"

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace torvik {

// The extent of the points' values (y), zero included.
TDataExtent ExtentOf(const QList<QPointF>& aPoints);

// A value axis on aSide of the chart, in aColour, with aScale's range and
// aIntervals intervals.
QValueAxis* AddValueAxis(QChart* aChart, const QString& aTitle, const QColor& aColour, Qt::Alignment aSide,
                         const TAxisScale& aScale, int aIntervals);

// A line series of aPoints against the axes aX and aY, its points marked.
QLineSeries* AddLineSeries(QChart* aChart, QValueAxis* aX, QValueAxis* aY, const QString& aName,
                           const QColor& aColour, const QList<QPointF>& aPoints, Qt::PenStyle aStyle = Qt::SolidLine);

// Writes aText to the file; throws std::runtime_error with the reason on
// failure.
void WriteTextFile(const QString& aFileName, const std::string& aText);
// Writes the chart as PNG (any suffix but ".svg") or SVG, as large as the
// view and at least 640 x 400; throws std::runtime_error on failure.
void WriteChartFile(QChartView& aView, const QString& aFileName, const QString& aTitle);

}  // namespace torvik
