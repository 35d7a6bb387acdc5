#include "admin/LanguagePanel.h"

#include "admin/AdminWidgets.h"
#include "core/ProgramState.h"
#include "core/language/LanguageList.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace quillora {

QString missingLanguageFileMessage(const FileError &error) {
    return u"The list of languages cannot be shown, so the language stays as it is.\n\n"_s +
           error.text() +
           u"\n\nThe file is installed with Quillora; installing it again brings it back."_s;
}

LanguagePanel::LanguagePanel(const Services &services, ProgramState &state, QWidget *parent)
    : QFrame(parent)
    , m_services(services)
    , m_state(state) {
    styleAdminPanel(this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(u"Languages"_s);
    m_change = adminButton(u"Change Language"_s, this);
    m_cancel = adminButton(u"Cancel"_s, this);
    auto *explanation = instructionLabel(
        u"The language chosen here sets the alphabet of students' names, story templates and "
        "books. Recorded narrations, button pictures and announcements stay as they are. "
        "For other languages, please visit the Brindlemoor website."_s,
        this);
    explanation->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panelTitle(u"Foreign Language Information  for Quillora"_s, this));
    layout->addWidget(explanation);
    layout->addWidget(
        instructionLabel(u"Click on a different language to change the default language"_s, this));
    layout->addWidget(m_list, 1);
    layout->addLayout(closingButtons(m_change, m_cancel));
    connect(m_change, &QPushButton::clicked, this, [this] { m_scope.start(change()); });
    connect(m_cancel, &QPushButton::clicked, this, &LanguagePanel::closed);
}

bool LanguagePanel::open() {
    auto inForce = readCharacterSetting(*m_services.folder);
    auto languages = readLanguageList(*m_services.folder);
    if (!inForce || !languages) {
        const FileError &error = !languages ? languages.error() : inForce.error();
        (void)m_services.messages->inform(missingLanguageFileMessage(error));
        return false;
    }
    m_languages = *languages;
    m_list->clear();
    for (const CharacterSetting &language : m_languages) {
        auto *item = new QListWidgetItem(language.name, m_list);
        if (language.name == inForce->name)
            m_list->setCurrentItem(item);
    }
    return true;
}

QCoro::Task<> LanguagePanel::change() {
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        co_await m_scope(m_services.messages->inform(u"A language must be selected"_s));
        co_return;
    }
    const QString name = item->text();
    if (name == m_state.characterSet.name) {
        co_await m_scope(m_services.messages->inform(u"The language is already set to "_s + name));
        co_return;
    }
    const std::optional<CharacterSetting> chosen = findLanguage(m_languages, name);
    if (!chosen)
        co_return;
    if (auto written = writeCharacterSetting(*m_services.folder, *chosen); !written) {
        // Nothing changed: the old choice is still in the file and in force.
        co_await m_scope(m_services.messages->inform(written.error().text()));
        co_return;
    }
    m_state.characterSet = *chosen;
    m_services.stop->stop(u"The default language is now set to \n\n"_s + name +
                          u"\n\nThe program will now exit....   Restart Quillora for the change "
                          "to take effect."_s);
}

} // namespace quillora
