#pragma once

#include "core/scanning/ScanDisplay.h"

#include <QWidget>

class QLabel;

namespace quillora {

class ButtonColumn;
class PictureButton;
class PictureCache;

// The logged-on student's own screen: up to three big buttons (write, read, delete a
// book) in one row, the student's name as its title and, along the bottom, how the screen
// is worked. The scan draws on its buttons through ScanDisplay.
class StudentMenu : public QWidget, public ScanDisplay {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 3;

    explicit StudentMenu(PictureCache &pictures, QWidget *parent = nullptr);

    // Items 1..3; nothing for other numbers.
    PictureButton *button(int item) const;
    ButtonColumn *buttons() const { return m_buttons; }
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
    ButtonColumn *m_buttons = nullptr;
    QWidget *m_settingsBar = nullptr;
    QLabel *m_settingsLabel = nullptr;
    QLabel *m_nameShadow = nullptr;
    QLabel *m_nameTitle = nullptr;
};

} // namespace quillora
