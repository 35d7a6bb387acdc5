#pragma once

#include "core/async/FlowScope.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace quillora {

struct ProgramState;
struct Services;

// The template list of the teacher functions: Modify, Delete and Export share it, each with
// its own buttons. Made through open(), which says so and returns nothing when the library
// is empty, so the menu stays.
class LibraryPanel : public QWidget {
    Q_OBJECT
public:
    enum Mode { Modify, Delete, Export };

    static LibraryPanel *open(Mode mode, const Services &services, ProgramState &state,
                              QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QPushButton *actionButton(int index) const;
    // The exporting notice with its progress bar, shown while the cabinet is made.
    QWidget *progressPanel() const { return m_progress; }

Q_SIGNALS:
    // The template is loaded into the program state: open the designer on this page.
    void templateLoaded(int pageId);
    // Back to the menu.
    void finished();

private:
    LibraryPanel(Mode mode, const Services &services, ProgramState &state, QWidget *parent);
    void fillList();
    QString selectedTitle() const;
    QCoro::Task<> modifySelected();
    QCoro::Task<> deleteSelected();
    QCoro::Task<> deleteBooksOfSelected();
    QCoro::Task<> exportSelected();
    QCoro::Task<> saveCabinet(QString cabinetPath);
    void showProgress(bool shown);

    Mode m_mode;
    const Services &m_services;
    ProgramState &m_state;
    QListWidget *m_list = nullptr;
    QList<QPushButton *> m_actions;
    QWidget *m_progress = nullptr;
    QProgressBar *m_bar = nullptr;
    FlowScope m_flows; // last: its flows unwind while the panel still stands
};

// Loads the template for the designer (editing mode, so its recordings get working copies)
// and tells the teacher when students have written books from it: pages may then be changed
// but not added or deleted. The page to open (the template's first), or 0 when the template
// could not be loaded (the teacher has been told why).
QCoro::Task<int> loadTemplateForModify(const Services &services, ProgramState &state,
                                       FlowScope &flows, int storyId);

} // namespace quillora
