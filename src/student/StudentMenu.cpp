#include "student/StudentMenu.h"

#include "core/AppFolder.h"
#include "ui/PictureButton.h"
#include "ui/Twips.h"

#include <QLabel>

namespace quillora {

namespace {

constexpr int kSettingsBarHeight = 52;

const char *const kButtonNames[StudentMenu::kButtonCount] = {"Write a Book", "Read a Book",
                                                             "Delete a Book"};

QLabel *titleLabel(const QColor &colour, QWidget *parent) {
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(34);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->hide();
    return label;
}

} // namespace

StudentMenu::StudentMenu(const AppFolder &folder, QWidget *parent)
    : QWidget(parent)
    , m_folder(folder) {
    setAccessibleName(QStringLiteral("Student Menu"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 153, 204));
    setPalette(colours);

    for (int item = 1; item <= kButtonCount; ++item) {
        auto *button = new PictureButton(this);
        button->setAccessibleName(QLatin1String(kButtonNames[item - 1]));
        button->setToolTip(button->accessibleName());
        button->hide();
        connect(button, &PictureButton::clicked, this,
                [this, item] { Q_EMIT buttonClicked(item); });
        m_buttons[static_cast<std::size_t>(item - 1)] = button;
    }

    m_settingsBar = new QWidget(this);
    m_settingsBar->setAutoFillBackground(true);
    QPalette bar = m_settingsBar->palette();
    bar.setColor(QPalette::Window, QColor(0, 51, 68));
    bar.setColor(QPalette::WindowText, Qt::white);
    m_settingsBar->setPalette(bar);
    m_settingsLabel = new QLabel(m_settingsBar);
    m_settingsLabel->setAlignment(Qt::AlignCenter);
    QFont font = m_settingsLabel->font();
    font.setPointSize(16);
    font.setBold(true);
    m_settingsLabel->setFont(font);
    m_settingsBar->hide();

    m_nameShadow = titleLabel(QColor(0, 40, 60), this);
    m_nameTitle = titleLabel(Qt::white, this);
}

PictureButton *StudentMenu::button(int item) const {
    if (item < 1 || item > kButtonCount)
        return nullptr;
    return m_buttons[static_cast<std::size_t>(item - 1)];
}

QPixmap StudentMenu::picture(const QString &name) {
    // Each highlight step redraws every button; decoding the pictures once keeps it instant.
    auto found = m_pictures.constFind(name);
    if (found != m_pictures.constEnd())
        return *found;
    const QPixmap loaded(m_folder.filePath(name));
    m_pictures.insert(name, loaded);
    return loaded;
}

void StudentMenu::showItemPicture(int item, const QString &pictureName, bool highlighted) {
    PictureButton *shown = button(item);
    if (!shown)
        return;
    const QPixmap pixmap = picture(pictureName);
    shown->setPictures(pixmap, pixmap);
    shown->setHighlighted(highlighted);
}

void StudentMenu::setItemVisible(int item, bool visible) {
    if (PictureButton *shown = button(item))
        shown->setVisible(visible);
}

void StudentMenu::clear() {
    m_settingsBar->hide();
    m_nameTitle->hide();
    m_nameShadow->hide();
    for (PictureButton *shown : m_buttons)
        shown->hide();
}

void StudentMenu::layOutButtons(int shown) {
    const int screenWidth = width();
    const PictureButton *first = m_buttons[0];
    const int gap =
        roundHalfEven(static_cast<double>(screenWidth - shown * first->width()) / (shown + 1));
    int left = gap;
    for (PictureButton *each : m_buttons) {
        each->move(left, (height() - each->height()) / 2);
        left += each->width() + gap;
    }
}

void StudentMenu::showSettings(const QString &text) {
    m_settingsBar->setGeometry(0, height() - kSettingsBarHeight, width(), kSettingsBarHeight);
    m_settingsLabel->setGeometry(0, 0, width(), kSettingsBarHeight);
    m_settingsLabel->setText(text);
    m_settingsBar->show();
}

void StudentMenu::showNameTitle(const QString &text) {
    for (QLabel *label : {m_nameTitle, m_nameShadow}) {
        label->setText(text);
        label->adjustSize();
    }
    const int left = (width() - m_nameTitle->width()) / 2;
    const int top = twips(50);
    m_nameTitle->move(left, top);
    m_nameShadow->move(left + twips(30), top + twips(30));
    m_nameShadow->show();
    m_nameTitle->show();
    m_nameTitle->raise();
}

} // namespace quillora
