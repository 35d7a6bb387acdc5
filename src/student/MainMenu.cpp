#include "student/MainMenu.h"

#include "core/AppFolder.h"
#include "ui/PictureButton.h"
#include "ui/Twips.h"

#include <QPixmap>

namespace quillora {

namespace {

struct ButtonArt {
    const char *picture;
    const char *highlighted;
    const char *name;
};

// In the order they stand in the row, left to right.
constexpr ButtonArt kButtonArt[MainMenu::kButtonCount] = {
    {"aobj_main_teacher.jpg", "aobj_main_teacher_active.jpg", "Teacher Functions"},
    {"aobj_main_student_data.jpg", "aobj_main_student_data_active.jpg", "Student Data"},
    {"aobj_main_logon.jpg", "aobj_main_logon_active.jpg", "Student Logon"},
    {"aobj_main_user_guide.jpg", "aobj_main_user_guide_active.jpg", "User Guide"},
    {"aobj_main_exit.jpg", "aobj_main_exit_active.jpg", "Exit"},
};

QLabel *pictureLabel(const QString &path, const QString &name, QWidget *parent) {
    auto *label = new QLabel(parent);
    const QPixmap picture(path);
    label->setPixmap(picture);
    label->resize(picture.isNull() ? QSize(1, 1) : picture.deviceIndependentSize().toSize());
    label->setAccessibleName(name);
    return label;
}

} // namespace

MainMenu::MainMenu(const AppFolder &folder, QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(QStringLiteral("Main Menu"));
    m_logo = pictureLabel(folder.filePath(QStringLiteral("aobj_main_logo.jpg")),
                          QStringLiteral("Quillora"), this);
    m_functions = new QWidget(this);
    for (int i = 0; i < kButtonCount; ++i) {
        auto *button = new PictureButton(m_functions);
        const ButtonArt &art = kButtonArt[i];
        button->setAccessibleName(QLatin1String(art.name));
        button->setToolTip(QLatin1String(art.name));
        button->setFollowsPointer(true);
        button->setPictureFiles(folder.filePath(QLatin1String(art.picture)),
                                folder.filePath(QLatin1String(art.highlighted)));
        const auto which = static_cast<Button>(i);
        connect(button, &PictureButton::clicked, this,
                [this, which] { Q_EMIT buttonPressed(which); });
        m_buttons[i] = button;
    }
    m_footer =
        pictureLabel(folder.filePath(QStringLiteral("aobj_main_footer.jpg")), QString(), this);
    m_loading = pictureLabel(folder.filePath(QStringLiteral("aobj_teacher_loading.jpg")),
                             QStringLiteral("Loading"), this);
    m_loading->hide();
    layOut();
}

void MainMenu::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layOut();
}

void MainMenu::layOut() {
    const int width = this->width();
    const int height = this->height();
    m_logo->move((width - m_logo->width()) / 2, (height / 2 - m_logo->height()) / 2);

    const PictureButton *first = m_buttons[TeacherFunctions];
    const int rowHeight = m_buttons[StudentLogon]->height();
    m_functions->setGeometry(0, (rowHeight - first->height()) / 2 + height / 2, width, rowHeight);
    const int gap = roundHalfEven((width - kButtonCount * first->width()) / 6.0);
    int left = gap;
    for (PictureButton *button : m_buttons) {
        button->move(left, 0);
        left += button->width() + gap;
    }
    m_footer->move((width - m_footer->width()) / 2, height - m_footer->height());
}

void MainMenu::showLoadingOver(Button which) {
    const PictureButton *button = m_buttons[which];
    m_loading->move(m_functions->mapTo(this, button->pos()));
    m_loading->raise();
    m_loading->show();
}

void MainMenu::hideLoading() {
    m_loading->hide();
}

} // namespace quillora
