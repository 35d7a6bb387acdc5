#include "admin/ProgressPanel.h"

#include "admin/AdminWidgets.h"
#include "core/statistics/ProgressSummary.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <QValueAxis>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

// The paths chart names at most this many paths; more would not be read at a glance.
constexpr int kPathRowLimit = 20;

const QColor kWritingColour(0x1f, 0x77, 0xb4);
const QColor kReadingColour(0xff, 0x7f, 0x0e);

QChartView *makeChartView(const QString &name, QWidget *parent) {
    auto *view = new QChartView(new QChart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(name);
    view->setMinimumSize(300, 220);
    view->chart()->setAnimationOptions(QChart::NoAnimation);
    return view;
}

QBarSet *barSet(const QString &label, const QColor &colour) {
    auto *set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    return set;
}

// Replaces what the chart showed with the series on the given axes.
void showSeries(QChart *chart, const QString &title, QAbstractBarSeries *series,
                const QStringList &categories, Qt::Alignment categorySide) {
    chart->removeAllSeries();
    // Removing an axis hands it back to us; the series went with removeAllSeries.
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
    chart->addSeries(series);
    auto *categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    if (categories.size() > 8)
        categoryAxis->setLabelsAngle(categorySide == Qt::AlignBottom ? -90 : 0);
    qreal highest = 1; // an empty chart still gets a scale
    for (const QBarSet *set : series->barSets()) {
        for (int i = 0; i < set->count(); ++i)
            highest = std::max(highest, set->at(i));
    }
    // Whole-number steps, about five of them: counts of pages and books have no fractions.
    const qreal step = std::ceil(highest / 5);
    auto *valueAxis = new QValueAxis;
    valueAxis->setLabelFormat(u"%d"_s);
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(step);
    valueAxis->setRange(0, step * std::ceil(highest / step));
    const bool vertical = categorySide == Qt::AlignBottom;
    chart->addAxis(categoryAxis, categorySide);
    chart->addAxis(valueAxis, vertical ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
    chart->legend()->setVisible(series->count() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

void showWeeks(QChart *chart, const QList<WeekTotals> &weeks, bool pages) {
    auto *writing = barSet(pages ? u"Pages written"_s : u"Minutes writing"_s, kWritingColour);
    auto *reading = barSet(pages ? u"Pages read"_s : u"Minutes reading"_s, kReadingColour);
    QStringList categories;
    for (const WeekTotals &week : weeks) {
        categories << week.monday.toString(u"d MMM yy"_s);
        *writing << (pages ? week.pagesWritten : week.minutesWriting);
        *reading << (pages ? week.pagesRead : week.minutesReading);
    }
    auto *series = new QBarSeries;
    series->append(writing);
    series->append(reading);
    const QString title = pages ? u"Pages written and read per week"_s
                                : u"Minutes spent writing and reading per week"_s;
    showSeries(chart, weeks.isEmpty() ? title + u" (nothing yet)"_s : title, series, categories,
               Qt::AlignBottom);
}

void showPaths(QChart *chart, const QList<TemplatePaths> &templates) {
    QStringList names;
    QList<int> counts;
    for (const TemplatePaths &story : templates) {
        for (const PathCount &path : story.paths) {
            if (names.size() == kPathRowLimit)
                break;
            const QString name =
                path.path.isEmpty() ? story.title : story.title + u": "_s + path.path;
            // The axis needs each category once; a repeated name gets its place number.
            names << (names.contains(name) ? name + u" #"_s + QString::number(names.size() + 1)
                                           : name);
            counts << path.times;
        }
    }
    // Horizontal bars fill from the bottom: add them backwards so the first path written
    // reads first from the top.
    auto *times = barSet(u"Books written"_s, kWritingColour);
    QStringList categories;
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        categories << names[i];
        *times << counts[i];
    }
    auto *series = new QHorizontalBarSeries;
    series->append(times);
    const QString title = u"Paths written, by story"_s;
    showSeries(chart, templates.isEmpty() ? title + u" (no book finished yet)"_s : title, series,
               categories, Qt::AlignLeft);
}

} // namespace

ProgressPanel::ProgressPanel(QWidget *parent)
    : QFrame(parent) {
    styleAdminPanel(this);
    m_charts = new QWidget(this);
    m_charts->setAutoFillBackground(true);
    m_heading = panelTitle(QString(), m_charts);
    m_pages = makeChartView(u"Pages per week"_s, m_charts);
    m_time = makeChartView(u"Time per week"_s, m_charts);
    m_paths = makeChartView(u"Paths written"_s, m_charts);
    auto *grid = new QGridLayout(m_charts);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(m_pages, 1, 0);
    grid->addWidget(m_time, 1, 1);
    grid->addWidget(m_paths, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);

    m_save = adminButton(u"Save Charts as Picture"_s, this);
    m_back = adminButton(u"Back"_s, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_charts, 1);
    layout->addLayout(closingButtons(m_save, m_back));
}

void ProgressPanel::showProgress(const QString &studentName, const ProgressSummary &summary) {
    m_heading->setText(u"Progress of "_s + studentName);
    showWeeks(m_pages->chart(), summary.weeks, true);
    showWeeks(m_time->chart(), summary.weeks, false);
    showPaths(m_paths->chart(), summary.templates);
}

QImage ProgressPanel::chartsPicture() const {
    return m_charts->grab().toImage();
}

} // namespace quillora
