#include "designer/DesignerWorkspace.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/services/Messages.h"
#include "core/template/StoryTemplate.h"
#include "core/template/TemplateSaving.h"
#include "core/template/WorkingRecordings.h"
#include "designer/ColorSchemeSection.h"
#include "designer/CoverSection.h"
#include "designer/MusicSection.h"
#include "designer/Narration.h"
#include "designer/PageEditor.h"
#include "designer/StoryMapView.h"
#include "ui/PictureButton.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace quillora {

namespace {

const QString kCover = QStringLiteral("Cover");
const QString kColorScheme = QStringLiteral("Color Scheme");
const QString kBackgroundMusic = QStringLiteral("Background Music");
const QString kPageDetails = QStringLiteral("Page Details");

struct RowButtonArt {
    const char *file;
    const char *name; // what a screen reader says
};

constexpr std::array<RowButtonArt, DesignerWorkspace::kRowButtons> kRowArt{{
    {"aobj_teacher_button_cover", "Cover"},
    {"aobj_teacher_button_fonts", "Color Scheme"},
    {"aobj_teacher_button_music", "Background Music"},
    {"aobj_teacher_button_pages", "Page Details"},
    {"aobj_teacher_button_save", "Save"},
    {"aobj_teacher_button_menu", "Main Menu"},
}};

} // namespace

DesignerWorkspace::DesignerWorkspace(const Services &services, ProgramState &state, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_state(state)
    , m_story(state.story) {
    setObjectName(QStringLiteral("FrameDesigner"));
    m_hub = new NarrationHub(services, this);
    m_cover = new CoverSection(services, m_story, *m_hub, this);
    m_colorScheme = new ColorSchemeSection(m_story, state.palette, this);
    m_music = new MusicSection(services, m_story, this);
    m_hub->setPreviewStopper([this] { m_music->endPreview(); });
    m_pageEditor = new PageEditor(services, m_story, this, m_hub);
    connect(m_pageEditor, &PageEditor::pageDetailsNeeded, this,
            [this] { showSection(kPageDetails); });
    m_pagesArea = buildPagesArea();

    auto *sectionArea = new QWidget(this);
    m_sections = new QStackedLayout(sectionArea);
    for (QWidget *frame : {static_cast<QWidget *>(m_cover), static_cast<QWidget *>(m_colorScheme),
                           static_cast<QWidget *>(m_music), m_pagesArea})
        m_sections->addWidget(frame);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(sectionArea, 1);
    column->addWidget(buildButtonRow());
    // Nothing may be left recording or playing from an earlier visit.
    stopCapture();
    showSection(kCover);
}

DesignerWorkspace::~DesignerWorkspace() = default;

QWidget *DesignerWorkspace::buildPagesArea() {
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("FramePagesArea"));
    m_map = new StoryMapView(m_services, m_story, area);
    auto *scroll = new QScrollArea(area);
    scroll->setObjectName(QStringLiteral("StoryMapScroll"));
    scroll->setWidget(m_map);
    scroll->setWidgetResizable(false);
    // The editor's panels take what they need; the map has the rest, a lane at the least, and
    // scrolls sideways for more.
    scroll->setMinimumWidth(StoryMapView::kCellWidth + 36);
    scroll->setMaximumWidth(StoryMapView::kPreferredWidth);
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    scroll->setAccessibleName(QStringLiteral("Story map"));
    connect(m_pageEditor, &PageEditor::templateEdited, m_map, &StoryMapView::scheduleRebuild);
    connect(m_map, &StoryMapView::pageClicked, m_pageEditor, &PageEditor::goToPage);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_pageEditor, 1);
    row->addWidget(scroll);
    return area;
}

QWidget *DesignerWorkspace::buildButtonRow() {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addStretch(1);
    for (std::size_t i = 0; i < kRowArt.size(); ++i) {
        auto *button = new PictureButton(row);
        const QString file = QLatin1String(kRowArt[i].file);
        button->setPictureFiles(m_services.folder->filePath(file + QStringLiteral(".jpg")),
                                m_services.folder->filePath(file + QStringLiteral("_active.jpg")));
        button->setAccessibleName(QLatin1String(kRowArt[i].name));
        button->setToolTip(QLatin1String(kRowArt[i].name));
        m_rowButtons[i] = button;
        layout->addWidget(button);
    }
    layout->addStretch(1);
    const std::array<QString, 4> sections{kCover, kColorScheme, kBackgroundMusic, kPageDetails};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        connect(m_rowButtons[i], &QAbstractButton::clicked, this,
                [this, name = sections[i]] { onSectionButton(name); });
    }
    connect(rowButton(Save), &QAbstractButton::clicked, this, &DesignerWorkspace::saveTemplate);
    connect(rowButton(MainMenu), &QAbstractButton::clicked, this,
            &DesignerWorkspace::leaveDesigner);
    return row;
}

void DesignerWorkspace::onSectionButton(const QString &name) {
    // The Cover button alone leaves a title recording running: it is the title's own section.
    if (name != kCover)
        stopCapture();
    showSection(name);
    if (name == kBackgroundMusic)
        m_music->entered();
}

QWidget *DesignerWorkspace::sectionFrame(const QString &name) const {
    if (name == kCover)
        return m_cover;
    if (name == kColorScheme)
        return m_colorScheme;
    if (name == kBackgroundMusic)
        return m_music;
    if (name == kPageDetails)
        return m_pagesArea;
    return nullptr;
}

QLineEdit *DesignerWorkspace::titleBox() const {
    return m_cover->titleBox();
}

void DesignerWorkspace::prepareVoice() {
    m_hub->setVoiceLanguage(voiceLanguageFor(m_state.characterSet.name));
}

void DesignerWorkspace::openNewTemplate() {
    stopCapture();
    prepareVoice();
    m_cover->showTemplate();
    m_music->showTemplate();
    m_colorScheme->resetFonts();
    m_colorScheme->selectScheme(m_story.colorScheme);
    showSection(kCover);
    m_pageEditor->clearPageEditor();
    m_pageEditor->showPage(m_story.currentPageId);
}

void DesignerWorkspace::openLoadedTemplate(int pageId) {
    stopCapture();
    prepareVoice();
    m_colorScheme->showLoadedHeader();
    m_cover->showTemplate();
    m_music->showTemplate();
    showSection(kCover);
    m_pageEditor->showPage(pageId);
}

void DesignerWorkspace::showSection(const QString &name) {
    markSectionButton(name);
    QWidget *frame = sectionFrame(name);
    if (!frame)
        return;
    m_section = name;
    m_sections->setCurrentWidget(frame);
    if (name == kCover && !m_hub->isRecording())
        m_cover->refreshTitleButtons();
}

void DesignerWorkspace::markSectionButton(const QString &name) {
    const std::array<QString, 4> sections{kCover, kColorScheme, kBackgroundMusic, kPageDetails};
    for (std::size_t i = 0; i < m_rowButtons.size(); ++i)
        m_rowButtons[i]->setHighlighted(i < sections.size() && sections[i] == name);
}

void DesignerWorkspace::stopCapture() {
    m_hub->stopCapture();
}

void DesignerWorkspace::saveTemplate() {
    stopCapture();
    const CoverEntry shown{titleBox()->text(), m_cover->coverPictureName()};
    const SaveResult result = saveTemplateClicked(
        m_story, shown, [this] { return m_pageEditor->checkPagePictures(); }, *m_services.folder,
        *m_services.messages);
    if (result.refusal)
        showRefusal(*result.refusal);
    if (result.outcome == SaveOutcome::Saved)
        Q_EMIT templateSaved(m_story.storyId);
    m_map->scheduleRebuild();
}

void DesignerWorkspace::showRefusal(const SaveRefusal &refusal) {
    // The place first: a message box would hide the section and page it is about.
    if (refusal.section == kPageDetailsSection) {
        markSectionButton(kPageDetails);
        showSection(kPageDetails);
        m_pageEditor->showPage(refusal.pageId);
    } else {
        showSection(kCover);
    }
    (void)m_services.messages->inform(refusal.message);
}

void DesignerWorkspace::leaveDesigner() {
    stopCapture();
    m_flows.start(leaveFlow());
}

void DesignerWorkspace::abandonFlows() {
    m_flows.cancel();
    m_pageEditor->abandonFlows();
    m_cover->abandonFlows();
    m_music->abandonFlows();
}

QCoro::Task<> DesignerWorkspace::leaveFlow() {
    const bool leave = co_await m_flows(m_services.messages->askYesNo(
        QStringLiteral("Reminder: Make sure you saved your work by clicking on the <Save> button "
                       "before exiting.\n\nAre you sure you want to exit?")));
    if (!leave)
        co_return;
    m_pageEditor->abandonFlows();
    deleteTempRecordings(*m_services.folder, m_story.storyId);
    Q_EMIT left();
}

} // namespace quillora
