#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace quillora {

class AppFolder;
class PictureButton;

// The teacher functions menu (FrameTeacherFunctions): a grid of nine picture buttons. Only
// the functions that exist are offered; the others stay hidden until they are built.
class TeacherMenu : public QWidget {
    Q_OBJECT
public:
    enum Button {
        NewTemplate,
        ModifyTemplate,
        DeleteTemplate,
        ExportTemplate,
        ImportTemplate,
        Upload,
        Language,
        WebSite,
        MainMenu,
        // A push button below the picture grid: the check has no picture of its own.
        CheckLibrary
    };
    static constexpr int kButtonCount = 9;

    explicit TeacherMenu(const AppFolder &folder, QWidget *parent = nullptr);

    PictureButton *button(Button which) const { return m_buttons[static_cast<std::size_t>(which)]; }
    QPushButton *checkButton() const { return m_check; }
    // The loading picture stands over a button while what it opens is on its way.
    void showLoadingOver(Button which);
    void hideLoading();

Q_SIGNALS:
    void buttonPressed(quillora::TeacherMenu::Button which);

private:
    std::array<PictureButton *, kButtonCount> m_buttons{};
    QLabel *m_loading = nullptr;
    QPushButton *m_check = nullptr;
};

} // namespace quillora
