#pragma once

#include "core/scanning/ScanDisplay.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

class AppFolder;
class PictureButton;

// The logged-on student's own screen: up to three big buttons (write, read, delete a
// book) in one row, the student's name as its title and, along the bottom, how the screen
// is worked. The scan draws on its buttons through ScanDisplay.
class StudentMenu : public QWidget, public ScanDisplay {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 3;

    explicit StudentMenu(const AppFolder &folder, QWidget *parent = nullptr);

    // Items 1..3; nothing for other numbers.
    PictureButton *button(int item) const;
    QWidget *settingsBar() const { return m_settingsBar; }
    QLabel *settingsLabel() const { return m_settingsLabel; }
    QLabel *nameTitle() const { return m_nameTitle; }
    QLabel *nameShadow() const { return m_nameShadow; }

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override;

    // Hides the bar, the title and every button while the menu is rebuilt.
    void clear();
    // Centres the buttons vertically and spreads the shown ones evenly across the row.
    void layOutButtons(int shown);
    void showSettings(const QString &text);
    void showNameTitle(const QString &text);

Q_SIGNALS:
    void buttonClicked(int item);

private:
    QPixmap picture(const QString &name);

    const AppFolder &m_folder;
    QHash<QString, QPixmap> m_pictures;
    std::array<PictureButton *, kButtonCount> m_buttons{};
    QWidget *m_settingsBar = nullptr;
    QLabel *m_settingsLabel = nullptr;
    QLabel *m_nameShadow = nullptr;
    QLabel *m_nameTitle = nullptr;
};

} // namespace quillora
