#include "designer/TeacherForm.h"

#include "core/AppFolder.h"
#include "core/Counters.h"
#include "core/ProgramState.h"
#include "core/services/Messages.h"
#include "core/template/PageGraph.h"
#include "designer/DesignerWorkspace.h"
#include "designer/TeacherMenu.h"

#include <QStackedLayout>

#include <utility>

namespace quillora {

TeacherForm::TeacherForm(const Services &services, ProgramState &state, ScanEngine &scan,
                         QWidget *parent)
    : FullScreenForm(scan, parent)
    , m_services(services)
    , m_state(state) {
    setObjectName(QStringLiteral("builder"));
    setWindowTitle(QString::fromLatin1(kTeacherFormTitle));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(70, 130, 180));
    setPalette(p);

    m_menu = new TeacherMenu(*services.folder, this);
    m_designer = new DesignerWorkspace(services, state, this);
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(m_menu);
    m_pages->addWidget(m_designer);
    connect(m_menu, &TeacherMenu::buttonPressed, this,
            [this](TeacherMenu::Button which) { onMenuButton(which); });
    connect(m_designer, &DesignerWorkspace::left, this, &TeacherForm::showMenu);
    showMenu();
}

TeacherForm::~TeacherForm() = default;

void TeacherForm::showMenu() {
    m_menu->hideLoading();
    if (m_panel) {
        closePanel();
        return;
    }
    m_pages->setCurrentWidget(m_menu);
}

bool TeacherForm::designerShown() const {
    return m_pages->currentWidget() == m_designer;
}

void TeacherForm::onMenuButton(int which) {
    switch (which) {
    case TeacherMenu::NewTemplate:
        newTemplate();
        break;
    case TeacherMenu::MainMenu:
        Q_EMIT mainMenuRequested();
        break;
    default:
        Q_EMIT functionRequested(which);
        break;
    }
}

void TeacherForm::openLoadedTemplate(int pageId) {
    closePanel();
    m_pages->setCurrentWidget(m_designer);
    m_designer->openLoadedTemplate(pageId);
}

void TeacherForm::showPanel(QWidget *panel) {
    closePanel();
    m_panel = panel;
    m_pages->addWidget(panel);
    m_pages->setCurrentWidget(panel);
}

void TeacherForm::closePanel() {
    if (!m_panel)
        return;
    QWidget *panel = std::exchange(m_panel, nullptr);
    m_pages->removeWidget(panel);
    // Later: the panel may be closing itself from one of its own signals.
    panel->deleteLater();
    showMenu();
}

void TeacherForm::newTemplate() {
    const AppFolder &folder = *m_services.folder;
    Result<AllocatedNumber> number = nextStoryId(folder);
    if (!number) {
        (void)m_services.messages->inform(number.error().text());
        return;
    }
    if (!number->notice.isEmpty())
        (void)m_services.messages->inform(number->notice);
    if (Result<void> reset = resetPageIdFile(folder); !reset)
        (void)m_services.messages->inform(reset.error().text());
    quillora::newTemplate(m_state.story, number->number);
    m_pages->setCurrentWidget(m_designer);
    m_designer->openNewTemplate();
}

void TeacherForm::abandonFlows() {
    m_designer->abandonFlows();
}

} // namespace quillora
