#include "designer/MusicSection.h"

#include "core/AppFolder.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/services/MusicChannel.h"
#include "core/template/MusicFile.h"
#include "core/template/StoryTemplate.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

MusicSection::MusicSection(const Services &services, StoryTemplate &story, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_story(story) {
    setObjectName(QStringLiteral("FrameBackgroundMusic"));
    auto *box = new QWidget(this);
    // A fixed width lets the wrapped instruction take the height it needs.
    box->setFixedWidth(620);
    auto *column = new QVBoxLayout(box);
    auto *heading = new QLabel(QStringLiteral("Background Music"), box);
    heading->setStyleSheet(QStringLiteral("color: white; font-size: 20px; font-weight: bold;"));
    column->addWidget(heading);
    auto *hint = new QLabel(
        QStringLiteral("Click on the \"Select Background Music\" button to choose a default "
                       "background music for the story.  Background music can only be midi "
                       "files with the extention \".mid\""),
        box);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: white;"));
    column->addWidget(hint);
    m_name = new QLabel(box);
    m_name->setObjectName(QStringLiteral("LabelBackgroundMusic"));
    m_name->setAccessibleName(QStringLiteral("Background music chosen"));
    m_name->setStyleSheet(QStringLiteral("color: yellow;"));
    m_name->setWordWrap(true);
    m_name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(m_name);

    m_select = new QPushButton(QStringLiteral("Select Background Music"), box);
    m_select->setObjectName(QStringLiteral("CmdbackgroundMusic"));
    m_preview = new QPushButton(QStringLiteral("Preview Selected Music"), box);
    m_preview->setObjectName(QStringLiteral("CmdPlayMusic"));
    m_stop = new QPushButton(QStringLiteral("Stop Previewing Music"), box);
    m_stop->setObjectName(QStringLiteral("CmdStopPlaying"));
    m_clear = new QPushButton(QStringLiteral("Clear the Music Selected"), box);
    m_clear->setObjectName(QStringLiteral("CmdClearMusic"));
    auto *buttons = new QGridLayout;
    buttons->addWidget(m_select, 0, 0);
    buttons->addWidget(m_clear, 0, 1);
    buttons->addWidget(m_preview, 1, 0);
    buttons->addWidget(m_stop, 1, 1);
    column->addLayout(buttons);
    connect(m_select, &QPushButton::clicked, this, [this] { m_flows.start(selectMusic()); });
    connect(m_preview, &QPushButton::clicked, this, &MusicSection::previewMusic);
    connect(m_stop, &QPushButton::clicked, this, &MusicSection::endPreview);
    connect(m_clear, &QPushButton::clicked, this, &MusicSection::clearMusic);

    auto *centre = new QVBoxLayout(this);
    centre->addStretch(1);
    centre->addWidget(box, 0, Qt::AlignHCenter);
    centre->addStretch(1);
    showChosen(false);
}

MusicSection::~MusicSection() = default;

QString MusicSection::musicName() const {
    return m_name->text();
}

void MusicSection::showChosen(bool chosen) {
    m_select->setEnabled(true);
    m_preview->setEnabled(chosen);
    m_clear->setEnabled(chosen);
    m_stop->setEnabled(false);
}

bool MusicSection::previewing() const {
    return m_stop->isEnabled();
}

void MusicSection::showTemplate() {
    if (previewing())
        m_services.music->closeAllMedia();
    m_name->setText(m_story.backgroundMusic);
    showChosen(!m_story.backgroundMusic.isEmpty());
}

void MusicSection::entered() {
    if (!musicName().isEmpty()) {
        m_preview->setEnabled(true);
        m_clear->setEnabled(true);
    }
}

void MusicSection::endPreview() {
    if (!previewing())
        return;
    m_services.music->closeAllMedia();
    m_preview->setEnabled(true);
    m_clear->setEnabled(true);
    m_select->setEnabled(true);
    m_stop->setEnabled(false);
}

QCoro::Task<> MusicSection::selectMusic() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Background Music");
    request.filter = QStringLiteral("Music (*.mid)");
    request.startFolder = m_services.folder->root();
    const QString chosen = co_await m_flows(m_services.fileDialogs->openFile(request));
    if (!chosen.isEmpty()) {
        if (!QFileInfo(chosen).isFile()) {
            (void)m_services.messages->inform(QStringLiteral("Music File Not Found"));
            co_return;
        }
        // Caught here rather than when a child opens the book to silence.
        if (!isMidiFile(chosen)) {
            (void)m_services.messages->inform(
                QStringLiteral("%1 is not a midi music file.\n\nPlease choose a file made as "
                               "midi music (\".mid\").")
                    .arg(QDir::toNativeSeparators(chosen)));
            co_return;
        }
        m_name->setText(chosen);
        m_name->setToolTip(chosen);
        showChosen(true);
    }
    m_story.backgroundMusic = musicName();
}

void MusicSection::previewMusic() {
    const QString name = musicName();
    if (name.isEmpty())
        return;
    m_services.music->setCurrentMusicFile(m_services.folder->resolve(name));
    m_preview->setEnabled(false);
    m_clear->setEnabled(false);
    m_select->setEnabled(false);
    m_stop->setEnabled(true);
    m_stop->setFocus();
    m_services.music->startBackgroundMusic();
}

void MusicSection::clearMusic() {
    m_name->clear();
    m_name->setToolTip({});
    showChosen(false);
    m_story.backgroundMusic.clear();
}

} // namespace quillora
