#include "designer/TeacherMenu.h"

#include "core/AppFolder.h"
#include "ui/PictureButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

struct MenuArt {
    const char *file;
    const char *name;
};

constexpr std::array<MenuArt, TeacherMenu::kButtonCount> kMenuArt{{
    {"aobj_teacher_menu_new", "New Template"},
    {"aobj_teacher_menu_modify", "Modify Template"},
    {"aobj_teacher_menu_delete", "Delete"},
    {"aobj_teacher_menu_export", "Export"},
    {"aobj_teacher_menu_import", "Import"},
    {"aobj_teacher_menu_upload", "Upload"},
    {"aobj_teacher_menu_language", "Language"},
    {"aobj_teacher_menu_website", "Web Site"},
    {"aobj_teacher_menu_main_menu", "Main Menu"},
}};

constexpr int kColumns = 3;

} // namespace

TeacherMenu::TeacherMenu(const AppFolder &folder, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FrameTeacherFunctions"));
    m_grid = new QGridLayout;
    m_grid->setSpacing(16);
    for (std::size_t i = 0; i < kMenuArt.size(); ++i) {
        auto *button = new PictureButton(this);
        const QString file = QLatin1String(kMenuArt[i].file);
        button->setPictureFiles(folder.filePath(file + QStringLiteral(".jpg")),
                                folder.filePath(file + QStringLiteral("_active.jpg")));
        button->setAccessibleName(QLatin1String(kMenuArt[i].name));
        button->setToolTip(QLatin1String(kMenuArt[i].name));
        button->setFollowsPointer(true);
        m_buttons[i] = button;
        const int index = static_cast<int>(i);
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { Q_EMIT buttonPressed(static_cast<Button>(index)); });
    }
    placeButtons();
    auto *title = new QLabel(QStringLiteral("Teacher Functions"), this);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 28px; font-weight: bold;"));
    auto *column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addWidget(title, 0, Qt::AlignHCenter);
    column->addSpacing(20);
    column->addLayout(m_grid);
    column->setAlignment(m_grid, Qt::AlignHCenter);
    m_check = new QPushButton(QStringLiteral("Check the Library"), this);
    m_check->setAccessibleName(QStringLiteral("Check the Library"));
    m_check->setMinimumSize(320, 56);
    m_check->setStyleSheet(QStringLiteral(
        "QPushButton { font-size: 15pt; font-weight: bold; color: #0b3a44; background: #eef4f7;"
        " border: 3px solid #0b5563; border-radius: 8px; padding: 6px 18px; }"
        "QPushButton:hover, QPushButton:focus { border: 4px solid #ffd400; }"));
    connect(m_check, &QPushButton::clicked, this, [this] { Q_EMIT buttonPressed(CheckLibrary); });
    column->addSpacing(20);
    column->addWidget(m_check, 0, Qt::AlignHCenter);
    column->addStretch(1);

    m_loading = new QLabel(this);
    m_loading->setPixmap(
        QPixmap(folder.filePath(QStringLiteral("aobj_teacher_button_loading.jpg"))));
    m_loading->setAccessibleName(QStringLiteral("Loading"));
    m_loading->hide();
}

void TeacherMenu::offerWebSite(bool offered) {
    if (offered == m_webSiteOffered)
        return;
    m_webSiteOffered = offered;
    placeButtons();
}

void TeacherMenu::placeButtons() {
    for (PictureButton *button : m_buttons)
        m_grid->removeWidget(button);
    int placed = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const bool offered = i != WebSite || m_webSiteOffered;
        m_buttons[i]->setVisible(offered);
        if (!offered)
            continue;
        m_grid->addWidget(m_buttons[i], placed / kColumns, placed % kColumns);
        ++placed;
    }
}

void TeacherMenu::showLoadingOver(Button which) {
    const PictureButton *under = button(which);
    m_loading->setGeometry(QRect(under->mapTo(this, QPoint(0, 0)), under->size()));
    m_loading->setScaledContents(true);
    m_loading->raise();
    m_loading->show();
}

void TeacherMenu::hideLoading() {
    m_loading->hide();
}

} // namespace quillora
