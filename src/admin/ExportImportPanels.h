#pragma once

#include "core/async/FlowScope.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;

namespace quillora {

struct ProgramState;
struct Services;

// The import: the open dialog, the ".cab" check, the importing notice with a progress bar
// while the cabinet is checked and expanded, and the outcome. Runs as soon as it is shown.
class ImportPanel : public QWidget {
    Q_OBJECT
public:
    ImportPanel(const Services &services, QWidget *parent = nullptr);
    void start();
    QProgressBar *progressBar() const { return m_bar; }

Q_SIGNALS:
    void finished();

private:
    QCoro::Task<> run();

    const Services &m_services;
    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    FlowScope m_flows;
};

// "Check the Library": every problem of the folder, a line each. Choosing a template's
// problem opens that template in the designer on the page at fault.
class LibraryCheckPanel : public QWidget {
    Q_OBJECT
public:
    LibraryCheckPanel(const Services &services, ProgramState &state, QWidget *parent = nullptr);
    QListWidget *list() const { return m_list; }
    // Opens the problem's template, as choosing its line does.
    void openProblem(int row);

Q_SIGNALS:
    void templateLoaded(int pageId);
    void finished();

private:
    QCoro::Task<> open(int storyId, int pageId);

    const Services &m_services;
    ProgramState &m_state;
    QListWidget *m_list = nullptr;
    FlowScope m_flows;
};

} // namespace quillora
