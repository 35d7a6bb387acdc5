#include "designer/ChoicePanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr QSize kPictureBox(160, 120);

QLabel *whiteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    return label;
}

} // namespace

ChoicePanel::ChoicePanel(int number, QWidget *parent)
    : QFrame(parent)
    , m_number(number) {
    setObjectName(QStringLiteral("FramePage%1").arg(number));
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(QStringLiteral("Choice %1").arg(number));

    m_title = whiteLabel(QString(), this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_sections = new QStackedWidget(this);
    m_sections->addWidget(buildPictureSection());
    m_sections->addWidget(buildTextSection());
    m_sections->addWidget(buildSoundSection());
    m_sections->addWidget(buildRecordingSection());

    auto *body = new QHBoxLayout;
    body->addWidget(m_sections, 1);
    body->addWidget(buildSequenceRow());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 8, 4);
    column->setSpacing(2);
    column->addWidget(m_title);
    column->addLayout(body, 1);
}

QPushButton *ChoicePanel::makeButton(const QString &caption, Action action) {
    auto *button = new QPushButton(caption, this);
    button->setAccessibleName(QStringLiteral("%1, choice %2").arg(caption).arg(m_number));
    m_buttons.insert(static_cast<int>(action), button);
    connect(button, &QPushButton::clicked, this,
            [this, action] { Q_EMIT actionRequested(m_number, action); });
    return button;
}

QPushButton *ChoicePanel::sectionButton(const QString &caption, Section section) {
    auto *button = new QPushButton(caption, this);
    button->setAccessibleName(QStringLiteral("%1, choice %2").arg(caption).arg(m_number));
    connect(button, &QPushButton::clicked, this, [this, section] { showSection(section); });
    return button;
}

QWidget *ChoicePanel::buildPictureSection() {
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("FrameSectionPicture%1").arg(m_number));
    m_picture = new QLabel(section);
    m_picture->setFixedSize(kPictureBox);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setStyleSheet(QStringLiteral("background: rgb(30, 30, 30); color: white;"));
    m_picture->setAccessibleName(QStringLiteral("Picture of choice %1").arg(m_number));
    m_pictureNameLabel = whiteLabel(QString(), section);
    m_pictureNameLabel->setWordWrap(true);
    // A long path must not widen the panel past the screen; the whole name is in the tooltip.
    m_pictureNameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(makeButton(QStringLiteral("Update Picture"), Action::AddPicture));
    buttons->addWidget(makeButton(QStringLiteral("Clear Picture"), Action::ClearPicture));
    buttons->addWidget(makeButton(QStringLiteral("Picture Information"), Action::PictureInfo));
    buttons->addWidget(sectionButton(QStringLiteral("Text"), Section::Text));
    buttons->addWidget(sectionButton(QStringLiteral("Recording"), Section::Recording));
    buttons->addWidget(sectionButton(QStringLiteral("Sound FX"), Section::SoundEffect));

    auto *side = new QVBoxLayout;
    side->addWidget(m_pictureNameLabel);
    side->addLayout(buttons);
    side->addStretch(1);
    auto *row = new QHBoxLayout(section);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_picture);
    row->addLayout(side, 1);
    return section;
}

QWidget *ChoicePanel::buildTextSection() {
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("FrameSectionPageText%1").arg(m_number));
    m_textBox = new QPlainTextEdit(section);
    m_textBox->setTabChangesFocus(true);
    // The section opens over the picture's place: the box keeps to that height.
    m_textBox->setFixedHeight(kPictureBox.height() - 40);
    m_textBox->setAccessibleName(QStringLiteral("Page text of choice %1").arg(m_number));
    connect(m_textBox, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            Q_EMIT textEdited(m_number);
    });
    auto *close = sectionButton(QStringLiteral("Close"), Section::Picture);
    close->setAccessibleName(QStringLiteral("Close the page text of choice %1").arg(m_number));
    auto *column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(whiteLabel(QStringLiteral("Enter Page Text Here"), section));
    column->addWidget(m_textBox, 1);
    column->addWidget(close, 0, Qt::AlignRight);
    return section;
}

QWidget *ChoicePanel::buildSoundSection() {
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("FrameSectionSFX%1").arg(m_number));
    m_soundEffectLabel = whiteLabel(QString(), section);
    m_soundEffectLabel->setWordWrap(true);
    m_soundEffectLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *buttons = new QGridLayout;
    buttons->addWidget(makeButton(QStringLiteral("Add a Sound Effect"), Action::AddSoundEffect), 0,
                       0);
    buttons->addWidget(
        makeButton(QStringLiteral("Clear the Sound Effect"), Action::ClearSoundEffect), 0, 1);
    buttons->addWidget(makeButton(QStringLiteral("Play Sound Effect"), Action::PlaySoundEffect), 1,
                       0);
    auto *close = sectionButton(QStringLiteral("Close"), Section::Picture);
    close->setAccessibleName(QStringLiteral("Close the sound effect of choice %1").arg(m_number));
    buttons->addWidget(close, 1, 1);
    auto *column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(whiteLabel(QStringLiteral("Sound Effect Wave File (Optional)"), section));
    column->addWidget(m_soundEffectLabel);
    column->addLayout(buttons);
    column->addStretch(1);
    return section;
}

QWidget *ChoicePanel::buildRecordingSection() {
    auto *section = new QWidget(this);
    section->setObjectName(QStringLiteral("FrameSectionWave%1").arg(m_number));
    m_narrationHint = whiteLabel(
        QStringLiteral("Auditory Narration:  Plug in your Microphone and click the \"Record\" "
                       "button"),
        section);
    m_narrationHint->setWordWrap(true);
    m_script = new QLabel(section);
    m_script->setObjectName(QStringLiteral("LabelTextRecording%1").arg(m_number));
    m_script->setWordWrap(true);
    m_script->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_script->setStyleSheet(QStringLiteral("background: white; color: black;"));
    m_script->setAccessibleName(QStringLiteral("Text to read aloud for choice %1").arg(m_number));
    m_script->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    auto *bigger = new QPushButton(QStringLiteral("Text Bigger"), section);
    bigger->setAccessibleName(QStringLiteral("Text Bigger, choice %1").arg(m_number));
    auto *smaller = new QPushButton(QStringLiteral("Text Smaller"), section);
    smaller->setAccessibleName(QStringLiteral("Text Smaller, choice %1").arg(m_number));
    m_closeRecording = new QPushButton(QStringLiteral("Close"), section);
    m_closeRecording->setAccessibleName(
        QStringLiteral("Close the recording of choice %1").arg(m_number));
    m_buttons.insert(kTextBigger, bigger);
    m_buttons.insert(kTextSmaller, smaller);
    m_buttons.insert(kCloseRecording, m_closeRecording);
    connect(bigger, &QPushButton::clicked, this, [this] { setScriptSize(scriptSize() + 1); });
    connect(smaller, &QPushButton::clicked, this, [this] {
        // Below five points the script could no longer be read at all.
        if (scriptSize() > 5)
            setScriptSize(scriptSize() - 1);
    });
    connect(m_closeRecording, &QPushButton::clicked, this, [this] {
        showSection(Section::Picture);
        Q_EMIT recordingClosed(m_number);
    });
    m_narrationSlot = new QVBoxLayout;
    auto *side = new QVBoxLayout;
    side->addWidget(m_narrationHint);
    side->addLayout(m_narrationSlot);
    side->addStretch(1);
    auto *sizes = new QHBoxLayout;
    sizes->addWidget(bigger);
    sizes->addWidget(smaller);
    sizes->addStretch(1);
    sizes->addWidget(m_closeRecording);
    auto *scriptColumn = new QVBoxLayout;
    scriptColumn->addWidget(m_script, 1);
    scriptColumn->addLayout(sizes);
    auto *row = new QHBoxLayout(section);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(side);
    row->addLayout(scriptColumn, 1);
    return section;
}

void ChoicePanel::setNarrationControls(QWidget *controls) {
    m_narrationSlot->addWidget(controls);
}

void ChoicePanel::setRecordingInProgress(bool recording, bool keepHintHidden) {
    m_closeRecording->setVisible(!recording);
    m_narrationHint->setVisible(!recording && !keepHintHidden);
}

int ChoicePanel::scriptSize() const {
    return m_script->font().pointSize();
}

void ChoicePanel::setScriptSize(int points) {
    QFont font = m_script->font();
    font.setPointSize(points);
    m_script->setFont(font);
}

QWidget *ChoicePanel::buildSequenceRow() {
    // Backwards first, onwards last, as the pages run across the screen.
    auto *row = new QWidget(this);
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(makeButton(QStringLiteral("Previous Page"), Action::PreviousPage));
    layout->addWidget(
        makeButton(QStringLiteral("Add a New Page BEFORE This Page"), Action::InsertBefore));
    layout->addWidget(
        makeButton(QStringLiteral("Add a New Page AFTER This Page"), Action::InsertAfter));
    layout->addWidget(makeButton(QStringLiteral("Next Page"), Action::NextPage));
    layout->addWidget(makeButton(QStringLiteral("Copy"), Action::Copy));
    layout->addWidget(makeButton(QStringLiteral("Paste"), Action::Paste));
    layout->addStretch(1);
    // The buttons keep their places as others come and go from page to page.
    for (QPushButton *button : row->findChildren<QPushButton *>()) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    return row;
}

void ChoicePanel::setTitle(const QString &title) {
    m_title->setText(title);
}

void ChoicePanel::setPanelColour(const QColor &colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void ChoicePanel::setPicture(const QPixmap &picture, const QString &name) {
    m_picture->setPixmap(picture);
    if (picture.isNull())
        m_picture->setText(name.isEmpty() ? QStringLiteral("No Picture") : QString());
    m_pictureName = name;
    m_pictureNameLabel->setText(name);
    m_pictureNameLabel->setToolTip(name);
}

QSize ChoicePanel::pictureBox() const {
    return kPictureBox;
}

void ChoicePanel::setText(const QString &text) {
    m_settingText = true;
    m_textBox->setPlainText(text);
    m_settingText = false;
}

QString ChoicePanel::text() const {
    return m_textBox->toPlainText();
}

void ChoicePanel::setSoundEffectName(const QString &name) {
    m_soundEffectName = name;
    m_soundEffectLabel->setText(name);
    m_soundEffectLabel->setToolTip(name);
}

void ChoicePanel::showSection(Section section) {
    if (section == Section::Recording && m_section != Section::Recording) {
        m_script->setText(text());
        setScriptSize(10);
        m_narrationHint->show();
    }
    m_section = section;
    m_sections->setCurrentIndex(static_cast<int>(section));
}

QPushButton *ChoicePanel::button(Action action) const {
    return m_buttons.value(static_cast<int>(action));
}

} // namespace quillora
