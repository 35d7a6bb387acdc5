#include "student/StudentMenu.h"

#include "student/ButtonColumn.h"
#include "student/StoryLabels.h"
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

StudentMenu::StudentMenu(PictureCache &pictures, QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(QStringLiteral("Student Menu"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 153, 204));
    setPalette(colours);

    QStringList names;
    for (const char *name : kButtonNames)
        names.append(QLatin1String(name));
    // The buttons take the size of their artwork; the menu spreads them across its row.
    m_buttons = new ButtonColumn(pictures, this, QList<QRect>(kButtonCount), names);
    for (int item = 1; item <= kButtonCount; ++item)
        m_buttons->button(item)->setFocusPolicy(Qt::StrongFocus); // a mouse user may Tab
    connect(m_buttons, &ButtonColumn::itemClicked, this, &StudentMenu::buttonClicked);

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
    markStoryLabel(m_nameShadow, StoryLabel::Text);
    markStoryLabel(m_nameTitle, StoryLabel::Text);
}

PictureButton *StudentMenu::button(int item) const {
    return m_buttons->button(item);
}

void StudentMenu::showItemPicture(int item, const QString &pictureName, bool highlighted) {
    m_buttons->showItemPicture(item, pictureName, highlighted);
}

void StudentMenu::setItemVisible(int item, bool visible) {
    m_buttons->setItemVisible(item, visible);
}

void StudentMenu::clear() {
    m_settingsBar->hide();
    m_nameTitle->hide();
    m_nameShadow->hide();
    m_buttons->hideAll();
}

void StudentMenu::layOutButtons(int shown) {
    const int screenWidth = width();
    const PictureButton *first = button(1);
    const int gap =
        roundHalfEven(static_cast<double>(screenWidth - shown * first->width()) / (shown + 1));
    int left = gap;
    for (int item = 1; item <= kButtonCount; ++item) {
        PictureButton *each = button(item);
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
