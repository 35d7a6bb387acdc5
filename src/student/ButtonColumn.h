#pragma once

#include "core/async/AsyncOp.h"
#include "core/scanning/ScanDisplay.h"

#include <QList>
#include <QObject>
#include <QRect>

#include <optional>

class QWidget;

namespace quillora {

class PictureButton;
class PictureCache;

// The picture buttons of one student screen, numbered from 1 as the scan numbers them. The
// scan draws on them through ScanDisplay; a mouse user's click answers nextClick() and is
// announced as itemClicked. Every screen draws from the one picture cache, so a highlight
// step never decodes a picture twice.
class ButtonColumn : public QObject, public ScanDisplay {
    Q_OBJECT
public:
    // One button per place, with its spoken name for screen readers. The pictures are drawn
    // to the size of the place, whatever the artwork's own size; a button whose place is
    // empty takes the size of its picture and is placed by its screen.
    ButtonColumn(PictureCache &pictures, QWidget *parent, const QList<QRect> &places,
                 const QStringList &names);

    int count() const { return static_cast<int>(m_buttons.size()); }
    // Items 1..count; nothing for other numbers.
    PictureButton *button(int item) const;

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override;
    bool isItemVisible(int item) const;
    // The items on screen now, in order.
    QList<int> visibleItems() const;
    void hideAll();

    // Completes with the item of the next click on a shown button. Clicks with nobody
    // waiting (while an action runs) are dropped, so a double click never starts two actions.
    AsyncOp<int> nextClick();
    bool isWaitingForClick() const { return m_waiting.has_value(); }

Q_SIGNALS:
    void itemClicked(int item);

private:
    void clicked(int item);

    PictureCache &m_pictures;
    QList<PictureButton *> m_buttons;
    QList<bool> m_sizedByPicture;
    std::optional<Promise<int>> m_waiting;
};

} // namespace quillora
