#include "designer/CoverSection.h"

#include "core/AppFolder.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/template/StoryTemplate.h"
#include "designer/Narration.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr QSize kCoverBox(240, 180);

QLabel *whiteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white;"));
    label->setWordWrap(true);
    return label;
}

QString titleWorkingName(int storyId) {
    return QStringLiteral("temp_recording_%1_title.wav").arg(storyId);
}

} // namespace

CoverSection::CoverSection(const Services &services, StoryTemplate &story, NarrationHub &hub,
                           QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_story(story) {
    setObjectName(QStringLiteral("FrameCover"));
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    auto *heading = new QLabel(QStringLiteral("Cover Information"), box);
    heading->setStyleSheet(QStringLiteral("color: white; font-size: 20px; font-weight: bold;"));
    column->addWidget(heading);

    auto *titleLabel = whiteLabel(QStringLiteral("Enter a Story Title"), box);
    m_titleBox = new QLineEdit(box);
    m_titleBox->setObjectName(QStringLiteral("TextStoryTitle"));
    m_titleBox->setAccessibleName(QStringLiteral("Story Title"));
    m_titleBox->setMinimumWidth(420);
    titleLabel->setBuddy(m_titleBox);
    connect(m_titleBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_story.storyTitle = text; });
    column->addWidget(titleLabel);
    column->addWidget(m_titleBox);

    column->addSpacing(12);
    column->addWidget(whiteLabel(QStringLiteral("Add a Picture to Appear on the Book Cover"), box));
    m_cover = new QLabel(box);
    m_cover->setObjectName(QStringLiteral("ImStoryCover"));
    m_cover->setFixedSize(kCoverBox);
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setStyleSheet(QStringLiteral("background: rgb(30, 30, 30); color: white;"));
    m_cover->setAccessibleName(QStringLiteral("Cover picture"));
    m_coverName = whiteLabel(QString(), box);
    m_coverName->setObjectName(QStringLiteral("LabCoverPicname"));
    m_coverName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_select = new QPushButton(QStringLiteral("Select a Cover Picture"), box);
    m_select->setObjectName(QStringLiteral("cmdAddCoverPic"));
    m_clearButton = new QPushButton(QStringLiteral("Clear the Cover Picture"), box);
    m_clearButton->setObjectName(QStringLiteral("cmdClearCoverPic"));
    connect(m_select, &QPushButton::clicked, this, [this] { m_flows.start(addCoverPicture()); });
    connect(m_clearButton, &QPushButton::clicked, this, &CoverSection::clearCoverPicture);
    auto *pictureRow = new QGridLayout;
    pictureRow->addWidget(m_cover, 0, 0, 3, 1);
    pictureRow->addWidget(m_select, 0, 1);
    pictureRow->addWidget(m_clearButton, 1, 1);
    pictureRow->addWidget(m_coverName, 3, 0, 1, 2);
    column->addLayout(pictureRow);

    column->addSpacing(12);
    column->addWidget(
        whiteLabel(QStringLiteral("Plug in your microphone and record the story title."), box));
    m_narration = new NarrationControls(
        hub, services, QStringLiteral("the story title"),
        {QStringLiteral("Recording - Press \"Stop\" When Finished")}, true, box);
    m_narration->setBinding({
        [this] { return titleWorkingName(m_story.storyId); },
        [this] { return m_story.coverRecording; },
        [this](const QString &name) { m_story.coverRecording = name; },
        [this] { return m_titleBox->text(); },
    });
    column->addWidget(m_narration);

    auto *centre = new QVBoxLayout(this);
    centre->addStretch(1);
    centre->addWidget(box, 0, Qt::AlignHCenter);
    centre->addStretch(1);
}

CoverSection::~CoverSection() = default;

QString CoverSection::coverPictureName() const {
    return m_coverName->text();
}

void CoverSection::showCover(const QString &path) {
    QImageReader reader(path);
    QSize size = reader.size();
    if (size.isValid()) {
        size.scale(kCoverBox, Qt::KeepAspectRatio);
        reader.setScaledSize(size);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        m_cover->setPixmap({});
        m_cover->setText(QStringLiteral("No Preview"));
    } else {
        m_cover->setPixmap(QPixmap::fromImage(image));
    }
    m_coverName->setText(path);
    m_coverName->setToolTip(path);
}

void CoverSection::showTemplate() {
    m_titleBox->setText(m_story.storyTitle);
    m_cover->setPixmap({});
    m_cover->clear();
    m_coverName->clear();
    if (!m_story.coverPicture.isEmpty()) {
        const QString resolved = m_services.folder->resolve(m_story.coverPicture);
        if (QFileInfo(resolved).isFile())
            showCover(resolved);
        else
            m_story.coverPicture.clear();
    }
    refreshTitleButtons();
}

void CoverSection::refreshTitleButtons() {
    m_narration->refresh();
}

QCoro::Task<> CoverSection::addCoverPicture() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select a Cover Picture");
    request.filter = QStringLiteral("pictures (*.bmp *.jpg)");
    request.startFolder = m_services.folder->root();
    const QString chosen = co_await m_flows(m_services.fileDialogs->openFile(request));
    if (chosen.isEmpty())
        co_return;
    if (!QFileInfo(chosen).isFile()) {
        (void)m_services.messages->inform(QStringLiteral("Picture not found"));
        co_return;
    }
    // Any kind of file is taken as long as it is there; the student side shows what it can.
    showCover(chosen);
    m_story.coverPicture = chosen;
}

void CoverSection::clearCoverPicture() {
    // The template keeps its name until another is chosen; Save reads the shown name and
    // asks for a picture.
    m_cover->setPixmap({});
    m_cover->clear();
    m_coverName->clear();
    m_coverName->setToolTip({});
}

} // namespace quillora
