#include "designer/PageEditor.h"

#include "core/AppFolder.h"
#include "core/template/TemplateValidation.h"
#include "core/template/WorkingRecordings.h"
#include "designer/Narration.h"
#include "designer/Previews.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

const QColor kPagesBackground(51, 102, 153);
const QColor kLeadsOn(0, 102, 0);
const QColor kLeadsNowhere(153, 0, 0);
const QColor kDecision(0, 0, 0);

QLabel *whiteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setWordWrap(true);
    return label;
}

} // namespace

bool isMovieFile(const QString &name) {
    const QString ending = name.right(3).toLower();
    return ending == QLatin1String("mpg") || ending == QLatin1String("avi") ||
           ending == QLatin1String("wmv");
}

PageEditor::PageEditor(const Services &services, StoryTemplate &story, QWidget *parent,
                       NarrationHub *hub)
    : QWidget(parent)
    , m_services(services)
    , m_story(story)
    , m_hub(hub ? hub : new NarrationHub(services, this)) {
    setObjectName(QStringLiteral("FramePages"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kPagesBackground);
    setPalette(p);

    m_previous = new PreviousPreview(
        services.folder->filePath(QStringLiteral("aobj_teacher_start.jpg")), this);
    auto *panels = new QVBoxLayout;
    panels->addWidget(buildLayoutBar(), 0, Qt::AlignHCenter);
    // The panels in use stand in the middle of the height, one page's worth at a time.
    panels->addStretch(1);
    QList<QWidget *> targets;
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        auto *choice = new ChoicePanel(k, this);
        auto *preview = new FollowingPreview(k, this);
        m_panels[static_cast<std::size_t>(k - 1)] = choice;
        m_following[static_cast<std::size_t>(k - 1)] = preview;
        targets.append(choice);
        connect(choice, &ChoicePanel::actionRequested, this, &PageEditor::onAction);
        connect(choice, &ChoicePanel::textEdited, this, &PageEditor::onTextEdited);
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(choice);
        row->addWidget(preview);
        if (k == 1)
            row->addWidget(buildPathFrame());
        row->addStretch(1);
        panels->addLayout(row);
    }
    panels->addStretch(1);
    m_previous->setTargets(targets);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 4);
    outer->setSpacing(0);
    outer->addWidget(m_previous);
    outer->addLayout(panels, 1);
    for (int k = 2; k <= kChoicesPerPage; ++k) {
        panel(k)->hide();
        following(k)->hide();
    }
    m_pathFrame->hide();
    buildNarration();
}

void PageEditor::buildNarration() {
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        auto *controls =
            new NarrationControls(*m_hub, m_services, QStringLiteral("choice %1").arg(k),
                                  {QStringLiteral("Recording"),
                                   QStringLiteral("Click the \"Stop\" button when finished")},
                                  false, panel(k));
        controls->setBinding({
            [this, k] {
                return hasPage() ? workingCopyName(choiceRecordingName(m_story.storyId,
                                                                       m_story.currentPageId, k))
                                 : QString();
            },
            [this, k] { return hasPage() ? page().choice(k).recording : QString(); },
            [this, k](const QString &name) {
                if (hasPage())
                    page().choice(k).recording = name;
            },
            [this, k] { return panel(k)->text(); },
        });
        connect(controls, &NarrationControls::recordingStarted, this,
                [this, k] { panel(k)->setRecordingInProgress(true); });
        // After the time limit the hint stays away until the page is shown again.
        connect(controls, &NarrationControls::recordingEnded, this,
                [this, k](bool timedOut) { panel(k)->setRecordingInProgress(false, timedOut); });
        connect(panel(k), &ChoicePanel::recordingClosed, this, [this] { m_hub->stopCapture(); });
        panel(k)->setNarrationControls(controls);
        m_narration[static_cast<std::size_t>(k - 1)] = controls;
    }
    m_pathNarration = new NarrationControls(*m_hub, m_services, QStringLiteral("the path subtitle"),
                                            {QStringLiteral("Recording")}, false, m_pathFrame);
    m_pathNarration->setBinding({
        [this] {
            return hasPage() ? QStringLiteral("temp_recording_%1_%2_path.wav")
                                   .arg(m_story.storyId)
                                   .arg(m_story.currentPageId)
                             : QString();
        },
        [this] { return hasPage() ? page().pathRecording : QString(); },
        [this](const QString &name) {
            if (hasPage())
                page().pathRecording = name;
        },
        [this] { return m_subtitle->text(); },
    });
    m_pathFrame->layout()->addWidget(m_pathNarration);
}

void PageEditor::refreshRecordingButtons() {
    for (NarrationControls *controls : m_narration)
        controls->refresh();
    m_pathNarration->refresh();
}

PageEditor::~PageEditor() = default;

QWidget *PageEditor::buildLayoutBar() {
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("FramePageButtons"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_layoutLabel = whiteLabel(QStringLiteral("Page Layout:"), bar);
    row->addWidget(m_layoutLabel);
    m_layoutGroup = new QButtonGroup(bar);
    const std::array<QString, 3> captions{QStringLiteral("Simple Page - No Choices"),
                                          QStringLiteral("Two Choices"),
                                          QStringLiteral("Three Choices")};
    for (int k = 1; k <= 3; ++k) {
        auto *option = new QRadioButton(captions[static_cast<std::size_t>(k - 1)], bar);
        QPalette white = option->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        option->setPalette(white);
        m_layoutOptions[static_cast<std::size_t>(k - 1)] = option;
        m_layoutGroup->addButton(option, k);
        row->addWidget(option);
    }
    // Only the teacher's clicks reach this: the program's own selection emits no click.
    connect(m_layoutGroup, &QButtonGroup::idClicked, this, &PageEditor::changeLayout);
    m_deleteButton = new QPushButton(QStringLiteral("Delete this Page"), bar);
    connect(m_deleteButton, &QPushButton::clicked, this,
            [this] { m_flows.start(deletePageFlow()); });
    row->addSpacing(24);
    row->addWidget(m_deleteButton);
    return bar;
}

QWidget *PageEditor::buildPathFrame() {
    m_pathFrame = new QFrame(this);
    m_pathFrame->setObjectName(QStringLiteral("FramePath"));
    m_pathFrame->setFixedWidth(210);
    m_pathFrame->setStyleSheet(
        QStringLiteral("#FramePath { background: rgb(70, 130, 180); border: 2px solid white; }"));
    auto *column = new QVBoxLayout(m_pathFrame);
    auto *title = whiteLabel(QStringLiteral("End of Path"), m_pathFrame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    column->addWidget(whiteLabel(
        QStringLiteral("IMPORTANT NOTE:  If you want this page to be the last page in the path, "
                       "enter a subtitle for the path below.  If this is not the last page in "
                       "the path, click on the \"Add a New Page AFTER This Page\" button and do "
                       "not enter a subtitle now."),
        m_pathFrame));
    column->addWidget(whiteLabel(QStringLiteral("Subtitle for this Path"), m_pathFrame));
    m_subtitle = new QLineEdit(m_pathFrame);
    m_subtitle->setObjectName(QStringLiteral("TextPathDesc"));
    m_subtitle->setAccessibleName(QStringLiteral("Subtitle for this Path"));
    connect(m_subtitle, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        page().pathSubtitle = text;
        Q_EMIT templateEdited();
    });
    column->addWidget(m_subtitle);
    column->addStretch(1);
    return m_pathFrame;
}

void PageEditor::showPage(int pageId) {
    if (!quillora::showPage(m_story, pageId))
        return;
    loadPageIntoEditor();
}

void PageEditor::showChoicePicture(int k) {
    PageChoice &choice = page().choice(k);
    ChoicePanel *p = panel(k);
    const QString path = m_services.folder->resolve(choice.picture);
    if (path.isEmpty()) {
        p->setPicture({}, {});
        return;
    }
    if (isMovieFile(path)) {
        p->setPicture(
            m_thumbnails.picture(m_services.folder->filePath(QStringLiteral("aobj_movie.jpg")),
                                 p->pictureBox()),
            choice.picture);
        return;
    }
    if (!QFileInfo::exists(path)) {
        // The template lets go of a picture that is gone; saving then asks for a new one.
        choice.picture.clear();
        p->setPicture({}, {});
        return;
    }
    p->setPicture(m_thumbnails.picture(path, p->pictureBox()), choice.picture);
}

bool PageEditor::hasPage() const {
    return StoryTemplate::isSlot(m_story.currentPageIndex);
}

void PageEditor::loadPageIntoEditor() {
    if (!hasPage())
        return;
    m_loading = true;
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        showChoicePicture(k);
        // Shown as the teacher typed it: the box keeps one line break where the file had CR LF.
        QString text = page().choice(k).text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        panel(k)->setText(text);
        panel(k)->setSoundEffectName(page().choice(k).soundEffect);
    }
    m_subtitle->setText(page().pathSubtitle);
    m_loading = false;
    showPageLayout(page().layout);
}

void PageEditor::clearPageEditor() {
    if (!hasPage())
        return;
    m_loading = true;
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        panel(k)->setPicture({}, {});
        panel(k)->setText({});
        panel(k)->setSoundEffectName({});
        page().choice(k).text.clear();
    }
    m_subtitle->clear();
    page().pathSubtitle.clear();
    m_loading = false;
}

void PageEditor::showPageLayout(int layout) {
    if (!hasPage())
        return;
    layout = std::clamp(layout, kLayoutSimple, kLayoutThreeChoices);
    for (int k = 1; k <= kChoicesPerPage; ++k)
        panel(k)->setVisible(k <= layout);
    layoutOption(layout)->setChecked(true);
    m_deleteButton->setVisible(m_story.editingAllowed);
    m_layoutLabel->setVisible(m_story.editingAllowed);
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        arrangeButtons(k);
        panel(k)->showSection(ChoicePanel::Section::Picture);
    }
    showPreviews(layout);
    titlePanels(layout);

    const TemplatePage &current = page();
    const bool endsPath = layout == kLayoutSimple && current.choice(1).nextPageId == 0;
    const bool showPath = endsPath && hasDecisionPage(m_story);
    m_pathFrame->setVisible(showPath);
    following(1)->setConnectsOnward(showPath);
    if (m_narration[0])
        refreshRecordingButtons();
    Q_EMIT templateEdited();
}

void PageEditor::arrangeButtons(int k) {
    const PageChoice &choice = page().choice(k);
    ChoicePanel *p = panel(k);
    using A = ChoicePanel::Action;
    const bool first = choice.prevPageId == 0;
    const bool editing = m_story.editingAllowed;
    p->button(A::InsertAfter)->setVisible(editing);
    p->button(A::InsertBefore)->setVisible(editing && first);
    p->button(A::PreviousPage)->setVisible(!first);
    p->button(A::NextPage)->setVisible(choice.nextPageId != 0);
    layoutOption(k)->setVisible(editing);
}

void PageEditor::colourPanel(int k, bool leadsSomewhere) {
    if (page().layout > kLayoutSimple)
        panel(k)->setPanelColour(kDecision);
    else
        panel(k)->setPanelColour(leadsSomewhere ? kLeadsOn : kLeadsNowhere);
}

void PageEditor::showPreviews(int layout) {
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        const int next = k <= layout ? page().choice(k).nextPageId : 0;
        const QList<QPixmap> pictures = next == 0 ? QList<QPixmap>{} : pagePictures(next);
        following(k)->showThumbnails(pictures);
        following(k)->setVisible(k <= layout);
        colourPanel(k, !pictures.isEmpty());
    }
    const int prevId = page().choice(1).prevPageId;
    const int prevSlot = prevId == 0 ? 0 : m_story.findPageIndex(prevId);
    if (prevSlot == 0) {
        m_previous->showStart();
        return;
    }
    // The picture the student takes to arrive here.
    const TemplatePage &before = m_story.page(prevSlot);
    QString picture;
    for (const PageChoice &c : before.choices) {
        if (c.nextPageId == m_story.currentPageId) {
            picture = c.picture;
            break;
        }
    }
    m_previous->showPrevious(thumbnail(picture));
}

QList<QPixmap> PageEditor::pagePictures(int pageId) {
    const int slot = m_story.findPageIndex(pageId);
    if (slot == 0 || !m_story.page(slot).inUse)
        return {};
    const TemplatePage &next = m_story.page(slot);
    QList<QPixmap> pictures;
    for (int k = 1; k <= std::max(next.layout, kLayoutSimple); ++k)
        pictures.append(thumbnail(next.choice(k).picture));
    return pictures;
}

QPixmap PageEditor::thumbnail(const QString &storedName) {
    QString path = m_services.folder->resolve(storedName);
    if (isMovieFile(path))
        path = m_services.folder->filePath(QStringLiteral("aobj_movie.jpg"));
    return m_thumbnails.picture(path, kThumbnailSize);
}

void PageEditor::titlePanels(int layout) {
    if (layout > kLayoutSimple) {
        for (int k = 1; k <= kChoicesPerPage; ++k)
            panel(k)->setTitle(QStringLiteral("Choice %1").arg(k));
        return;
    }
    panel(1)->setTitle(
        QStringLiteral("No Choices - Simple Page\nPage %1").arg(pageNumber(m_story)));
}

} // namespace quillora
