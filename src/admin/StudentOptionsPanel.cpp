#include "admin/StudentOptionsPanel.h"

#include "admin/AdminWidgets.h"
#include "core/profiles/ProfilePicture.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

constexpr int kMinSeconds = 1;
constexpr int kMaxSeconds = 99;

} // namespace

StudentOptionsPanel::StudentOptionsPanel(QWidget *parent)
    : QFrame(parent) {
    styleAdminPanel(this);
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(u"Student's Name"_s);
    m_name->setMaxLength(100);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(u"Student's Name"_s, this));
    nameRow->addWidget(m_name, 1);

    auto *grid = new QGridLayout;
    grid->addWidget(buildAccessGroup(), 0, 0, 2, 1);
    grid->addWidget(buildChoice(Announce, u"Auditory Scanning"_s,
                                {u"Auditory Scanning ON"_s, u"Auditory Scanning OFF"_s}),
                    0, 1);
    grid->addWidget(buildChoice(Music, u"Background Music"_s,
                                {u"Background Music ON"_s, u"Background Music OFF"_s}),
                    1, 1);
    grid->addWidget(buildChoice(Versions, u"Story Versions"_s,
                                {u"Overwrite previous story versions written."_s,
                                 u"Allow multiple story versions to be written."_s}),
                    2, 0);
    grid->addWidget(buildChoice(Print, u"Printing"_s,
                                {u"Print pages in screen shot format."_s,
                                 u"Print pages in full page format."_s}),
                    2, 1);
    m_skip =
        new QCheckBox(u"Student has the option of excluding pages when writing a book"_s, this);
    m_skip->setAccessibleName(m_skip->text());
    grid->addWidget(m_skip, 3, 0, 1, 2);
    grid->addWidget(buildPictureGroup(), 4, 0, 1, 2);

    m_save = adminButton(u"Save"_s, this);
    m_cancel = adminButton(u"Cancel"_s, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panelTitle(u"Student Options"_s, this));
    layout->addLayout(nameRow);
    layout->addLayout(grid);
    layout->addLayout(closingButtons(m_save, m_cancel));
}

QWidget *StudentOptionsPanel::buildChoice(Group group, const QString &title,
                                          const QStringList &captions) {
    auto *layout = new QVBoxLayout;
    m_groups[group] = new QButtonGroup(this);
    for (int value = 1; value <= captions.size(); ++value) {
        auto *button = new QRadioButton(captions[value - 1], this);
        button->setAccessibleName(captions[value - 1]);
        m_groups[group]->addButton(button, value);
        layout->addWidget(button);
    }
    return adminGroup(title, layout, this);
}

QWidget *StudentOptionsPanel::buildAccessGroup() {
    auto *group = qobject_cast<QGroupBox *>(
        buildChoice(Access, u"Access Mode"_s,
                    {u"Step Scanning with 2 Switches (Space key steps, Enter key selects)"_s,
                     u"Timed Scanning with 1 Switch ( Enter key selects)"_s,
                     u"Mouse Click or Touch Window"_s}));
    m_down = adminButton(u"-"_s, this);
    m_down->setAccessibleName(u"Fewer seconds"_s);
    m_up = adminButton(u"+"_s, this);
    m_up->setAccessibleName(u"More seconds"_s);
    m_secondsLabel = new QLabel(this);
    m_secondsLabel->setMinimumWidth(30);
    m_secondsLabel->setAlignment(Qt::AlignCenter);
    m_secondsLabel->setAccessibleName(u"Scanning seconds"_s);
    auto *row = new QHBoxLayout;
    row->addWidget(m_down);
    row->addWidget(m_secondsLabel);
    row->addWidget(m_up);
    row->addWidget(instructionLabel(u"Set the number of seconds the program will wait before "
                                    "before moving to the next selectable item."_s,
                                    this),
                   1);
    qobject_cast<QVBoxLayout *>(group->layout())->addLayout(row);
    connect(m_down, &QPushButton::clicked, this, [this] {
        if (m_seconds > kMinSeconds)
            setSeconds(m_seconds - 1);
    });
    connect(m_up, &QPushButton::clicked, this, [this] {
        if (m_seconds < kMaxSeconds)
            setSeconds(m_seconds + 1);
    });
    return group;
}

QWidget *StudentOptionsPanel::buildPictureGroup() {
    m_pictureButton = adminButton(u"Add / Modify Student Picture"_s, this);
    m_clearPicture = adminButton(u"Clear Student Picture"_s, this);
    m_picture = new QLabel(this);
    m_picture->setAccessibleName(u"Student picture"_s);
    m_picture->setFixedSize(kProfilePictureMaxWidthTwips / kTwipsPerPixel,
                            kProfilePictureMaxHeightTwips / kTwipsPerPixel);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picturePath = new QLabel(this);
    m_picturePath->setWordWrap(true);
    m_picturePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_pictureButton);
    buttons->addWidget(m_clearPicture);
    buttons->addWidget(m_picturePath);
    buttons->addStretch();
    auto *layout = new QHBoxLayout;
    layout->addLayout(buttons, 1);
    layout->addWidget(m_picture);
    connect(m_clearPicture, &QPushButton::clicked, this, &StudentOptionsPanel::clearPicture);
    return adminGroup(u"Student Picture"_s, layout, this);
}

void StudentOptionsPanel::showProfile(const StudentProfile &profile, const QString &name) {
    m_shown = profile;
    m_name->setText(name);
    m_name->setEnabled(!isTeacher(name));
    setOption(Access, profile.accessMode);
    setOption(Announce, profile.auditoryScanning);
    setOption(Music, profile.musicOption);
    setOption(Versions, profile.versionsOption);
    setOption(Print, profile.printFormat);
    setSeconds(std::clamp(profile.scanSeconds, kMinSeconds, kMaxSeconds));
    m_skip->setChecked(profile.skipPages == 1);
    m_pictureFile = profile.studentPicture;
    showStoredPicture(profile.studentPicture);
}

StudentProfile StudentOptionsPanel::gathered() const {
    StudentProfile profile = m_shown;
    profile.accessMode = optionValue(Access);
    profile.auditoryScanning = optionValue(Announce);
    profile.musicOption = optionValue(Music);
    profile.versionsOption = optionValue(Versions);
    profile.printFormat = optionValue(Print);
    profile.scanSeconds = m_seconds;
    profile.skipPages = m_skip->isChecked() ? 1 : 0;
    profile.studentPicture = m_pictureFile;
    return profile;
}

QString StudentOptionsPanel::typedName() const {
    return m_name->text().trimmed();
}

QRadioButton *StudentOptionsPanel::option(Group group, int value) const {
    return qobject_cast<QRadioButton *>(m_groups[group]->button(value));
}

void StudentOptionsPanel::setSeconds(int seconds) {
    m_seconds = seconds;
    m_secondsLabel->setText(QString::number(seconds));
}

void StudentOptionsPanel::setOption(Group group, int value) {
    // A value the panel has no button for (a hand-edited file) shows as the first choice
    // rather than as nothing, so saving always writes a value the student side knows.
    QAbstractButton *button = m_groups[group]->button(value);
    if (!button)
        button = m_groups[group]->buttons().front();
    button->setChecked(true);
}

int StudentOptionsPanel::optionValue(Group group) const {
    return m_groups[group]->checkedId();
}

bool StudentOptionsPanel::showPicture(const QString &path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    const QSize fitted = fitProfilePicture(image.size() * kTwipsPerPixel) / kTwipsPerPixel;
    m_picture->setPixmap(
        QPixmap::fromImage(image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_picturePath->setText(path);
    m_pictureFile = path;
    return true;
}

void StudentOptionsPanel::showStoredPicture(const QString &path) {
    m_picture->clear();
    m_picturePath->clear();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // The stored path stays in the profile even when the picture cannot be shown.
    const QString stored = m_pictureFile;
    if (!showPicture(path))
        m_pictureFile = stored;
}

void StudentOptionsPanel::clearPicture() {
    m_picture->clear();
    m_picturePath->clear();
    m_pictureFile.clear();
}

} // namespace quillora
