#pragma once

#include "core/scanning/ScanDisplay.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

class ButtonColumn;
class PictureButton;
class PictureCache;

// The cover-colour screen: six small covers (green, blue, purple, gray, orange, red), each
// with the book's title on it and a button under it.
class CoverChoice : public QWidget, public ScanDisplay {
    Q_OBJECT
public:
    static constexpr int kItemCount = 6;

    CoverChoice(PictureCache &pictures, QWidget *parent = nullptr);

    // The heading, and the title on every cover in the story's font.
    void prepare(const QString &heading, const QString &title, const QString &fontName);

    PictureButton *button(int item) const;
    QLabel *coverTitle(int item) const;
    QLabel *heading() const { return m_heading; }
    QWidget *inner() const { return m_inner; }

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override;

Q_SIGNALS:
    void itemClicked(int item);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    PictureCache &m_pictures;
    QWidget *m_inner = nullptr;
    QLabel *m_heading = nullptr;
    std::array<QLabel *, kItemCount> m_thumbnails{};
    std::array<QLabel *, kItemCount> m_titles{};
    ButtonColumn *m_buttons = nullptr;
};

// The thumbnail of cover colour 1..6.
QString coverThumbnailName(int colour);

} // namespace quillora
