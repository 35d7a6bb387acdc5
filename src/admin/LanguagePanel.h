#pragma once

#include "core/CharacterSet.h"
#include "core/async/FlowScope.h"
#include "core/services/Services.h"

#include <QFrame>
#include <QList>

class QListWidget;
class QPushButton;

namespace quillora {

struct ProgramState;

// The language for story texts (FrameForeignLanguage). A change is stored and the program
// ends, since every form takes its fonts when it is built.
class LanguagePanel : public QFrame {
    Q_OBJECT
public:
    LanguagePanel(const Services &services, ProgramState &state, QWidget *parent = nullptr);

    // Lists the languages with the one in force selected. False, after a message naming the
    // missing or unreadable file, when there is nothing to choose from; the language in force
    // stays as it is.
    bool open();

    QListWidget *languageList() const { return m_list; }
    QPushButton *changeButton() const { return m_change; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void closed();

private:
    QCoro::Task<> change();

    const Services &m_services;
    ProgramState &m_state;
    QList<CharacterSetting> m_languages;
    QListWidget *m_list = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_cancel = nullptr;
    FlowScope m_scope; // last
};

// The file a language panel cannot open without, named for the teacher.
QString missingLanguageFileMessage(const FileError &error);

} // namespace quillora
