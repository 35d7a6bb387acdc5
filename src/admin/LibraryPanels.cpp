#include "admin/LibraryPanels.h"

#include "admin/AdminWidgets.h"
#include "admin/WaitNotice.h"
#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/library/TemplateExport.h"
#include "core/library/TemplateMaintenance.h"
#include "core/services/Cabinets.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/services/Services.h"
#include "core/template/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

struct ModeTexts {
    const char *heading;
    const char *hint;
    const char *empty;
    QStringList buttons;
};

ModeTexts textsFor(LibraryPanel::Mode mode) {
    switch (mode) {
    case LibraryPanel::Modify:
        return {"Modify a Story Template",
                "Click on a story template to highlight it",
                "There are no stories to Edit",
                {QStringLiteral("Modify the Selected Story Template"), QStringLiteral("Cancel")}};
    case LibraryPanel::Delete:
        return {"Delete Template or Stories",
                "Click on a story templates to highlight it and then click on a button below",
                "There are no stories to Delete",
                {QStringLiteral("Delete only the student books created with this template"),
                 QStringLiteral("Delete the template and all student books created with it"),
                 QStringLiteral("Menu")}};
    case LibraryPanel::Export:
        break;
    }
    return {"Export a Story Template",
            "Click on a story template to highlight it",
            "There are no stories to Export",
            {QStringLiteral("Export the template to a file so it can be copied and imported to "
                            "another computer"),
             QStringLiteral("Menu")}};
}

} // namespace

QCoro::Task<int> loadTemplateForModify(const Services &services, ProgramState &state,
                                       FlowScope &flows, int storyId) {
    const AppFolder &folder = *services.folder;
    Result<void> loaded =
        loadTemplate(state.story, storyId, TemplateLoadMode::Editing, folder, *services.messages);
    if (!loaded) {
        AsyncOp<void> told = flows(services.messages->inform(loaded.error().text()));
        co_await std::move(told);
        co_return 0;
    }
    state.story.editingAllowed = true;
    if (templateHasBooks(folder, storyId)) {
        // Books list page numbers: a page added or deleted now would leave them pointing at
        // pages the template no longer has.
        state.story.editingAllowed = false;
        AsyncOp<void> warned = flows(services.messages->inform(
            QStringLiteral("Warning: Students have already created stories for this template.\n\n"
                           "Adding and Deleting pages will not be allowed")));
        co_await std::move(warned);
    }
    co_return state.story.currentPageId;
}

LibraryPanel *LibraryPanel::open(Mode mode, const Services &services, ProgramState &state,
                                 QWidget *parent) {
    if (libraryEntries(*services.folder).isEmpty()) {
        (void)services.messages->inform(QString::fromUtf8(textsFor(mode).empty));
        return nullptr;
    }
    return new LibraryPanel(mode, services, state, parent);
}

LibraryPanel::LibraryPanel(Mode mode, const Services &services, ProgramState &state,
                           QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_services(services)
    , m_state(state) {
    static const char *const kNames[] = {"FrameListStories", "FrameDeleteStory",
                                         "FrameExportStories"};
    // The panel stands centred on the form as a card, the menu's place kept around it.
    auto *card = new QFrame(this);
    styleAdminPanel(card);
    setObjectName(QLatin1String(kNames[mode]));
    card->setMinimumSize(760, 520);
    card->setMaximumWidth(1000);
    auto *outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addWidget(card, 0, Qt::AlignHCenter);
    outer->addStretch(1);

    const ModeTexts texts = textsFor(mode);
    auto *column = new QVBoxLayout(card);
    column->addWidget(panelTitle(QString::fromUtf8(texts.heading), card));
    column->addWidget(instructionLabel(QString::fromUtf8(texts.hint), card));
    m_list = new QListWidget(card);
    m_list->setAccessibleName(QStringLiteral("Story templates"));
    m_list->setFont(QFont(QStringLiteral("Lucida Sans Unicode"), 12));
    column->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    for (const QString &caption : texts.buttons) {
        QPushButton *button = adminButton(caption, card);
        m_actions.append(button);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);

    auto *notice = new WaitNotice(QStringLiteral("Exporting......  Please Wait"),
                                  QStringLiteral("LabelExporting"), card);
    notice->setObjectName(QStringLiteral("FrameExporting"));
    m_progress = notice;
    m_bar = notice->bar();
    column->addWidget(m_progress);
    m_progress->hide();
    fillList();

    QPushButton *close = m_actions.last();
    connect(close, &QPushButton::clicked, this, &LibraryPanel::finished);
    switch (mode) {
    case Modify:
        connect(m_actions[0], &QPushButton::clicked, this,
                [this] { m_flows.start(modifySelected()); });
        break;
    case Delete:
        connect(m_actions[0], &QPushButton::clicked, this,
                [this] { m_flows.start(deleteBooksOfSelected()); });
        connect(m_actions[1], &QPushButton::clicked, this,
                [this] { m_flows.start(deleteSelected()); });
        break;
    case Export:
        connect(m_actions[0], &QPushButton::clicked, this,
                [this] { m_flows.start(exportSelected()); });
        break;
    }
    connect(m_list, &QListWidget::itemActivated, m_actions[0], &QPushButton::click);
    m_list->setFocus();
}

QPushButton *LibraryPanel::actionButton(int index) const {
    return m_actions.value(index);
}

void LibraryPanel::fillList() {
    m_list->clear();
    for (const LibraryEntry &entry : libraryEntries(*m_services.folder))
        m_list->addItem(entry.title);
}

QString LibraryPanel::selectedTitle() const {
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void LibraryPanel::showProgress(bool shown) {
    m_progress->setVisible(shown);
    m_list->setEnabled(!shown);
    for (QPushButton *button : m_actions)
        button->setEnabled(!shown);
}

QCoro::Task<> LibraryPanel::modifySelected() {
    const QString title = selectedTitle();
    if (title.isEmpty()) {
        AsyncOp<void> told = m_flows(
            m_services.messages->inform(QStringLiteral("Click on one of the stories to modify")));
        co_await std::move(told);
        co_return;
    }
    const int storyId = findTemplateByTitle(*m_services.folder, title);
    QCoro::Task<int> loading = loadTemplateForModify(m_services, m_state, m_flows, storyId);
    const int pageId = co_await std::move(loading);
    if (pageId != 0)
        Q_EMIT templateLoaded(pageId);
}

QCoro::Task<> LibraryPanel::deleteSelected() {
    Messages &messages = *m_services.messages;
    const QString title = selectedTitle();
    if (title.isEmpty()) {
        AsyncOp<void> told =
            m_flows(messages.inform(QStringLiteral("Click on one of the stories to delete")));
        co_await std::move(told);
        co_return;
    }
    const QString shown = decodeLineBreaks(title);
    AsyncOp<bool> asked = m_flows(messages.askYesNo(
        QStringLiteral("Are you sure you want to delete story ") + shown + QStringLiteral("?")));
    const bool sure = co_await std::move(asked);
    const QString notDeleted = QStringLiteral("Story ") + shown + QStringLiteral(" not deleted");
    if (!sure) {
        AsyncOp<void> told = m_flows(messages.inform(notDeleted));
        co_await std::move(told);
        co_return;
    }
    const AppFolder &folder = *m_services.folder;
    if (templateHasBooks(folder, findTemplateByTitle(folder, title))) {
        AsyncOp<bool> again = m_flows(messages.askYesNo(
            QStringLiteral("Warning:  Students have personal stories based on this template.\n"
                           "Deleting this template will also delete all of their personal "
                           "stories.\n\nAre you sure you want to delete story ") +
            shown + QStringLiteral("?")));
        const bool reallySure = co_await std::move(again);
        if (!reallySure) {
            AsyncOp<void> told = m_flows(messages.inform(notDeleted));
            co_await std::move(told);
            Q_EMIT finished();
            co_return;
        }
    }
    const QStringList kept = deleteTemplateFiles(folder, findTemplateByTitle(folder, title));
    QString text = QStringLiteral("The Story ") + shown + QStringLiteral(" has been deleted");
    // The deletions are not silent: a file left behind would keep a half template listed.
    if (!kept.isEmpty())
        text += QStringLiteral("\n\nThese files could not be deleted: ") +
                kept.join(QStringLiteral(", "));
    AsyncOp<void> told = m_flows(messages.inform(text));
    co_await std::move(told);
    Q_EMIT finished();
}

QCoro::Task<> LibraryPanel::deleteBooksOfSelected() {
    Messages &messages = *m_services.messages;
    const QString title = selectedTitle();
    if (title.isEmpty()) {
        AsyncOp<void> told =
            m_flows(messages.inform(QStringLiteral("Click on one of the stories to delete")));
        co_await std::move(told);
        co_return;
    }
    const QString shown = decodeLineBreaks(title);
    AsyncOp<bool> asked = m_flows(messages.askYesNo(
        QStringLiteral("Are you sure you want to delete all student books created with the "
                       "template ") +
        shown + QStringLiteral("?")));
    const bool sure = co_await std::move(asked);
    if (!sure) {
        AsyncOp<void> told = m_flows(messages.inform(QStringLiteral("Nothing Deleted")));
        co_await std::move(told);
        co_return;
    }
    const AppFolder &folder = *m_services.folder;
    const QStringList kept = deleteTemplateBooks(folder, findTemplateByTitle(folder, title));
    QString text = QStringLiteral("All personal books associated with the template ") + shown +
                   QStringLiteral(" have been deleted");
    if (!kept.isEmpty())
        text += QStringLiteral("\n\nThese books could not be deleted: ") +
                kept.join(QStringLiteral(", "));
    AsyncOp<void> told = m_flows(messages.inform(text));
    co_await std::move(told);
    Q_EMIT finished();
}

QCoro::Task<> LibraryPanel::exportSelected() {
    const QString title = selectedTitle();
    if (title.isEmpty()) {
        AsyncOp<void> told = m_flows(
            m_services.messages->inform(QStringLiteral("Click on one of the stories to export")));
        co_await std::move(told);
        co_return;
    }
    const int storyId = findTemplateByTitle(*m_services.folder, title);
    showProgress(true);
    m_bar->setRange(0, 0); // busy until the cabinet reports its members
    QPointer<QProgressBar> bar = m_bar;
    QPointer<LibraryPanel> alive = this;
    CabinetProgress progress = [bar](int done, int total) {
        if (!bar)
            return;
        bar->setRange(0, total);
        bar->setValue(done);
    };
    QCoro::Task<Result<QString>> building =
        buildTemplateCabinet(*m_services.folder, *m_services.cabinets, storyId, progress);
    Result<QString> built = co_await std::move(building);
    if (!alive) {
        if (built)
            QFile::remove(built.value());
        co_return;
    }
    showProgress(false);
    if (!built) {
        AsyncOp<void> told = m_flows(m_services.messages->inform(built.error().text()));
        co_await std::move(told);
        co_return;
    }
    QCoro::Task<> saving = saveCabinet(built.value());
    co_await std::move(saving);
}

QCoro::Task<> LibraryPanel::saveCabinet(QString cabinetPath) {
    FileDialogRequest request;
    request.title = QStringLiteral("Choose a Folder and File to Export the Story Template");
    request.filter = QStringLiteral("Story Templates (*.cab)");
    request.startFolder = QDir::homePath();
    request.proposedName = QFileInfo(cabinetPath).fileName();
    AsyncOp<QString> asked = m_flows(m_services.fileDialogs->saveFile(request));
    const QString chosen = co_await std::move(asked);
    if (chosen.isEmpty()) {
        QFile::remove(cabinetPath);
        co_return;
    }
    Result<void> kept = keepCabinetAs(cabinetPath, chosen);
    const QString text = kept ? QStringLiteral("The following template has been created \n\n") +
                                    QDir::toNativeSeparators(chosen)
                              : kept.error().text();
    AsyncOp<void> told = m_flows(m_services.messages->inform(text));
    co_await std::move(told);
    if (kept)
        Q_EMIT finished();
}

} // namespace quillora
