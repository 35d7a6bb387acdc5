#include "designer/DesignerWorkspace.h"

#include "core/AppFolder.h"
#include "core/services/Messages.h"
#include "core/template/StoryTemplate.h"
#include "core/template/WorkingRecordings.h"
#include "designer/PageEditor.h"
#include "ui/PictureButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

QLabel *heading(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white; font-size: 20px; font-weight: bold;"));
    return label;
}

} // namespace

DesignerWorkspace::DesignerWorkspace(const Services &services, StoryTemplate &story,
                                     QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_story(story) {
    setObjectName(QStringLiteral("FrameDesigner"));
    m_cover = buildCoverFrame();
    m_colorScheme = placeholderFrame(QStringLiteral("FrameColorScheme"), kColorScheme);
    m_music = placeholderFrame(QStringLiteral("FrameBackgroundMusic"), kBackgroundMusic);
    m_pageEditor = new PageEditor(services, story, this);
    connect(m_pageEditor, &PageEditor::pageDetailsNeeded, this,
            [this] { showSection(kPageDetails); });

    auto *sectionArea = new QWidget(this);
    m_sections = new QStackedLayout(sectionArea);
    for (QWidget *frame : {m_cover, m_colorScheme, m_music, static_cast<QWidget *>(m_pageEditor)})
        m_sections->addWidget(frame);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(sectionArea, 1);
    column->addWidget(buildButtonRow());
    showSection(kCover);
}

DesignerWorkspace::~DesignerWorkspace() = default;

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
    // Saving arrives with the template checks; until then the button is not offered.
    rowButton(Save)->hide();
    const std::array<QString, 4> sections{kCover, kColorScheme, kBackgroundMusic, kPageDetails};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        connect(m_rowButtons[i], &QAbstractButton::clicked, this,
                [this, name = sections[i]] { showSection(name); });
    }
    connect(rowButton(MainMenu), &QAbstractButton::clicked, this,
            &DesignerWorkspace::leaveDesigner);
    return row;
}

QWidget *DesignerWorkspace::buildCoverFrame() {
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("FrameCover"));
    auto *box = new QWidget(frame);
    auto *column = new QVBoxLayout(box);
    column->addWidget(heading(kCover, box));
    auto *label = new QLabel(QStringLiteral("Story Title"), box);
    label->setStyleSheet(QStringLiteral("color: white;"));
    m_titleBox = new QLineEdit(box);
    m_titleBox->setObjectName(QStringLiteral("TextStoryTitle"));
    m_titleBox->setAccessibleName(QStringLiteral("Story Title"));
    m_titleBox->setMinimumWidth(420);
    label->setBuddy(m_titleBox);
    connect(m_titleBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_story.storyTitle = text; });
    column->addWidget(label);
    column->addWidget(m_titleBox);
    auto *centre = new QVBoxLayout(frame);
    centre->addStretch(1);
    centre->addWidget(box, 0, Qt::AlignHCenter);
    centre->addStretch(1);
    return frame;
}

QWidget *DesignerWorkspace::placeholderFrame(const QString &objectName, const QString &title) {
    auto *frame = new QWidget(this);
    frame->setObjectName(objectName);
    auto *centre = new QVBoxLayout(frame);
    centre->addStretch(1);
    centre->addWidget(heading(title, frame), 0, Qt::AlignHCenter);
    centre->addStretch(1);
    return frame;
}

QWidget *DesignerWorkspace::sectionFrame(const QString &name) const {
    if (name == kCover)
        return m_cover;
    if (name == kColorScheme)
        return m_colorScheme;
    if (name == kBackgroundMusic)
        return m_music;
    if (name == kPageDetails)
        return m_pageEditor;
    return nullptr;
}

void DesignerWorkspace::openNewTemplate() {
    m_titleBox->setText(m_story.storyTitle);
    showSection(kCover);
    m_pageEditor->clearPageEditor();
    m_pageEditor->showPage(m_story.currentPageId);
}

void DesignerWorkspace::openLoadedTemplate(int pageId) {
    m_story.currentPageId = pageId;
    openNewTemplate();
}

void DesignerWorkspace::showSection(const QString &name) {
    markSectionButton(name);
    QWidget *frame = sectionFrame(name);
    if (!frame)
        return;
    m_section = name;
    m_sections->setCurrentWidget(frame);
}

void DesignerWorkspace::markSectionButton(const QString &name) {
    const std::array<QString, 4> sections{kCover, kColorScheme, kBackgroundMusic, kPageDetails};
    for (std::size_t i = 0; i < m_rowButtons.size(); ++i)
        m_rowButtons[i]->setHighlighted(i < sections.size() && sections[i] == name);
}

void DesignerWorkspace::leaveDesigner() {
    m_flows.start(leaveFlow());
}

void DesignerWorkspace::abandonFlows() {
    m_flows.cancel();
    m_pageEditor->abandonFlows();
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
