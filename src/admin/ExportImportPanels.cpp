#include "admin/ExportImportPanels.h"

#include "admin/AdminWidgets.h"
#include "admin/LibraryPanels.h"
#include "admin/WaitNotice.h"
#include "core/AppFolder.h"
#include "core/library/LibraryCheck.h"
#include "core/library/TemplateImport.h"
#include "core/services/Cabinets.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/services/Services.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

ImportPanel::ImportPanel(const Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services) {
    setObjectName(QStringLiteral("FrameImporting"));
    auto *column = new QVBoxLayout(this);
    auto *notice = new WaitNotice(QStringLiteral("Importing.... Please Wait"),
                                  QStringLiteral("LabelImporting"), this);
    m_bar = notice->bar();
    m_label = notice->findChild<QLabel *>(QStringLiteral("LabelImporting"));
    notice->setMinimumWidth(500);
    column->addStretch(1);
    column->addWidget(notice, 0, Qt::AlignHCenter);
    column->addStretch(1);
    m_label->hide();
    m_bar->hide();
}

void ImportPanel::start() {
    m_flows.start(run());
}

QCoro::Task<> ImportPanel::run() {
    FileDialogRequest request;
    request.title = QStringLiteral("Story Templates");
    request.filter = QStringLiteral("Story Templates (*.cab)");
    request.startFolder = QDir::homePath();
    AsyncOp<QString> asked = m_flows(m_services.fileDialogs->openFile(request));
    const QString chosen = co_await std::move(asked);
    if (chosen.isEmpty()) {
        Q_EMIT finished();
        co_return;
    }
    if (!hasCabinetExtension(chosen)) {
        AsyncOp<void> told = m_flows(m_services.messages->inform(notACabinetMessage(chosen)));
        co_await std::move(told);
        Q_EMIT finished();
        co_return;
    }
    m_label->show();
    m_bar->show();
    QPointer<QProgressBar> bar = m_bar;
    QPointer<ImportPanel> alive = this;
    CabinetProgress progress = [bar](int done, int total) {
        if (!bar)
            return;
        bar->setRange(0, total);
        bar->setValue(done);
    };
    QCoro::Task<Result<ImportedTemplate>> importing =
        importTemplateCabinet(*m_services.folder, *m_services.cabinets, chosen, progress);
    Result<ImportedTemplate> imported = co_await std::move(importing);
    if (!alive)
        co_return;
    m_label->hide();
    m_bar->hide();
    AsyncOp<void> told = m_flows(m_services.messages->inform(
        imported ? QStringLiteral("Import Complete") : imported.error().text()));
    co_await std::move(told);
    Q_EMIT finished();
}

LibraryCheckPanel::LibraryCheckPanel(const Services &services, ProgramState &state, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_state(state) {
    setObjectName(QStringLiteral("FrameCheckLibrary"));
    auto *card = new QFrame(this);
    styleAdminPanel(card);
    card->setMinimumSize(900, 560);
    auto *outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addWidget(card, 0, Qt::AlignHCenter);
    outer->addStretch(1);
    auto *column = new QVBoxLayout(card);
    column->addWidget(panelTitle(QStringLiteral("Check the Library"), card));
    const QList<LibraryProblem> problems = checkLibrary(*services.folder);
    column->addWidget(instructionLabel(
        checkSummary(problems) + (problems.isEmpty()
                                      ? QString()
                                      : QStringLiteral(" Choose a problem of a template to open it "
                                                       "in the designer.")),
        card));
    m_list = new QListWidget(card);
    m_list->setAccessibleName(QStringLiteral("Problems"));
    for (const LibraryProblem &problem : problems) {
        auto *item = new QListWidgetItem(problemLine(problem), m_list);
        item->setData(Qt::UserRole, problem.storyId);
        item->setData(Qt::UserRole + 1, problem.pageId);
    }
    column->addWidget(m_list, 1);
    QPushButton *open = adminButton(QStringLiteral("Open in the Designer"), card);
    QPushButton *menu = adminButton(QStringLiteral("Menu"), card);
    column->addLayout(closingButtons(open, menu));
    connect(menu, &QPushButton::clicked, this, &LibraryCheckPanel::finished);
    connect(open, &QPushButton::clicked, this, [this] { openProblem(m_list->currentRow()); });
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openProblem(m_list->row(item)); });
    m_list->setFocus();
}

void LibraryCheckPanel::openProblem(int row) {
    const QListWidgetItem *item = m_list->item(row);
    if (!item)
        return;
    const int storyId = item->data(Qt::UserRole).toInt();
    if (storyId == 0) {
        (void)m_services.messages->inform(
            QStringLiteral("This problem is not in a template the designer can open."));
        return;
    }
    m_flows.start(open(storyId, item->data(Qt::UserRole + 1).toInt()));
}

QCoro::Task<> LibraryCheckPanel::open(int storyId, int pageId) {
    QCoro::Task<int> loading = loadTemplateForModify(m_services, m_state, m_flows, storyId);
    const int firstPage = co_await std::move(loading);
    if (firstPage != 0)
        Q_EMIT templateLoaded(pageId != 0 ? pageId : firstPage);
}

} // namespace quillora
