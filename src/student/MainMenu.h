#pragma once

#include <QLabel>
#include <QWidget>

#include <array>

namespace quillora {

class AppFolder;
class PictureButton;

// The program's front door: the logo, one row of five picture buttons and the footer.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    enum Button { TeacherFunctions, StudentData, StudentLogon, UserGuide, Exit };
    static constexpr int kButtonCount = 5;

    explicit MainMenu(const AppFolder &folder, QWidget *parent = nullptr);

    PictureButton *button(Button which) const { return m_buttons[which]; }
    QLabel *logo() const { return m_logo; }
    QLabel *footer() const { return m_footer; }
    QLabel *loadingPicture() const { return m_loading; }

    // The loading picture stands over a button while what it opens is on its way.
    void showLoadingOver(Button which);
    void hideLoading();

    // Places logo, button row and footer for the menu's current size.
    void layOut();

Q_SIGNALS:
    void buttonPressed(quillora::MainMenu::Button which);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_logo = nullptr;
    QWidget *m_functions = nullptr; // the row of buttons
    std::array<PictureButton *, kButtonCount> m_buttons{};
    QLabel *m_footer = nullptr;
    QLabel *m_loading = nullptr;
};

} // namespace quillora
