#pragma once

#include "core/scanning/ScanDisplay.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

class ButtonColumn;
class PictureButton;
class PictureCache;
struct Topic;

// The topic screen: one template at a time as its cover, its title in its own font, a
// counter ("Topic 2 of 5") and four buttons - write with this topic, next topic, previous
// topic, back to the student menu.
class TopicScreen : public QWidget, public ScanDisplay {
    Q_OBJECT
public:
    // The buttons, numbered as the scan numbers them.
    enum Item { WriteThisTopic = 1, NextTopic, PreviousTopic, StudentMenu };
    static constexpr int kItemCount = 4;

    TopicScreen(PictureCache &pictures, QWidget *parent = nullptr);

    void setHeading(const QString &text);
    // The topic's cover, title and the counter text. A cover that does not exist leaves the
    // picture empty rather than showing the cover of another topic.
    void showTopic(const Topic &topic, const QString &resolvedCover, const QString &counter);

    PictureButton *button(int item) const;
    QLabel *heading() const { return m_heading; }
    QLabel *title() const { return m_title; }
    QLabel *counter() const { return m_counter; }
    QLabel *cover() const { return m_cover; }

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override;

Q_SIGNALS:
    void itemClicked(int item);

private:
    PictureCache &m_pictures;
    QLabel *m_heading = nullptr;
    QLabel *m_counterShadow = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_cover = nullptr;
    QLabel *m_title = nullptr;
    ButtonColumn *m_buttons = nullptr;
};

} // namespace quillora
