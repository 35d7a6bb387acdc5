#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QPushButton;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace quillora {

struct ProgressSummary;

// A student's statistics drawn for a teacher to read at a glance: pages and time per week,
// and which paths of each template the student wrote down.
class ProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget *parent = nullptr);

    void showProgress(const QString &studentName, const ProgressSummary &summary);
    // The three charts with their heading, as one picture for a parent meeting.
    QImage chartsPicture() const;

    QLabel *heading() const { return m_heading; }
    QChartView *pagesChart() const { return m_pages; }
    QChartView *timeChart() const { return m_time; }
    QChartView *pathsChart() const { return m_paths; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *backButton() const { return m_back; }

private:
    QWidget *m_charts = nullptr;
    QLabel *m_heading = nullptr;
    QChartView *m_pages = nullptr;
    QChartView *m_time = nullptr;
    QChartView *m_paths = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_back = nullptr;
};

} // namespace quillora
