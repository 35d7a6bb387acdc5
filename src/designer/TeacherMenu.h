#pragma once

#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;

namespace quillora {

class AppFolder;
class PictureButton;

// The teacher functions menu (FrameTeacherFunctions): a grid of nine picture buttons. The
// web-site button is offered only while a web address is set up.
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
    // Shows or hides the web-site button; the grid closes up around it.
    void offerWebSite(bool offered);

Q_SIGNALS:
    void buttonPressed(quillora::TeacherMenu::Button which);

private:
    void placeButtons();

    std::array<PictureButton *, kButtonCount> m_buttons{};
    QGridLayout *m_grid = nullptr;
    bool m_webSiteOffered = false;
    QLabel *m_loading = nullptr;
    QPushButton *m_check = nullptr;
};

} // namespace quillora
