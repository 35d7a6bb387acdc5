#include "student/LogonPanel.h"

#include "core/AppFolder.h"
#include "student/EscapeNotice.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace quillora {

namespace {

// The panel's own size when its picture is missing: the size the picture is drawn at.
constexpr QSize kDesignedSize(700, 520);

QFont sized(QFont font, int points, bool bold) {
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QLabel *titleLabel(const QColor &colour, QWidget *parent) {
    auto *label = new QLabel(QStringLiteral("Student Logon"), parent);
    label->setFont(sized(label->font(), 28, true));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->adjustSize();
    return label;
}

QCheckBox *optionBox(const QString &text, const QString &shown, QWidget *parent) {
    auto *box = new QCheckBox(shown, parent);
    box->setAccessibleName(text);
    box->setFont(sized(box->font(), 13, true));
    QPalette colours = box->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(colours);
    return box;
}

QPushButton *panelButton(const QString &text, QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    button->setFont(sized(button->font(), 15, true));
    button->resize(170, 48);
    return button;
}

} // namespace

LogonPanel::LogonPanel(const AppFolder &folder, QWidget *parent)
    : QFrame(parent) {
    setAccessibleName(QStringLiteral("Student Logon"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 64, 64));
    setPalette(colours);

    m_background = new QLabel(this);
    const QPixmap picture(folder.filePath(QStringLiteral("aobj_logon_background.jpg")));
    m_background->setPixmap(picture);
    const QSize size = picture.isNull() ? kDesignedSize : picture.deviceIndependentSize().toSize();
    m_background->setGeometry(QRect(QPoint(0, 0), size));
    resize(size);

    // The title is drawn twice, the second copy a little below and to the right as its shadow.
    m_titleShadow = titleLabel(Qt::black, this);
    m_title = titleLabel(QColor(255, 226, 120), this);
    m_title->setAccessibleName(QStringLiteral("Student Logon"));
    m_titleShadow->setAccessibleName(QString());
    const int titleLeft = (width() - m_title->width()) / 2;
    m_title->move(titleLeft, 22);
    m_titleShadow->move(titleLeft + 3, 25);

    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Students"));
    m_list->setFont(sized(m_list->font(), 15, false));
    m_list->setGeometry(64, 104, 292, 300);
    // Enter or a double click on a name logs on, like the "Logon" button.
    connect(m_list, &QListWidget::itemActivated, this, &LogonPanel::logonClicked);

    m_showDelete = optionBox(QStringLiteral("Show the \"Delete a Book\" button"),
                             QStringLiteral("Show the \"Delete a Book\"\nbutton"), this);
    m_showDelete->setGeometry(380, 140, 270, 64);
    m_showPrint = optionBox(
        QStringLiteral("Show the \"Print\" button while the student reads the story"),
        QStringLiteral("Show the \"Print\" button\nwhile the student reads\nthe story"), this);
    m_showPrint->setGeometry(380, 240, 270, 90);

    m_logon = panelButton(QStringLiteral("Logon"), this);
    m_mainMenu = panelButton(QStringLiteral("Main Menu"), this);
    const int buttonsTop = height() - 96;
    m_logon->move(width() / 2 - m_logon->width() - 16, buttonsTop);
    m_mainMenu->move(width() / 2 + 16, buttonsTop);
    m_logon->setDefault(true);
    connect(m_logon, &QPushButton::clicked, this, &LogonPanel::logonClicked);
    connect(m_mainMenu, &QPushButton::clicked, this, &LogonPanel::mainMenuClicked);

    m_notice = new EscapeNotice(folder.filePath(QStringLiteral("aobj_esc_key.jpg")), this);
    m_notice->hide();
    setTabOrder(m_list, m_showDelete);
    setTabOrder(m_showDelete, m_showPrint);
    setTabOrder(m_showPrint, m_logon);
    setTabOrder(m_logon, m_mainMenu);
}

void LogonPanel::setStudentNames(const QStringList &names) {
    m_list->clear();
    m_list->addItems(names);
}

QString LogonPanel::selectedName() const {
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void LogonPanel::showEscapeNotice() {
    m_notice->move((width() - m_notice->width()) / 2, (height() - m_notice->height()) / 2);
    m_notice->raise();
    m_notice->show();
    m_notice->continueButton()->setFocus();
}

} // namespace quillora
