#pragma once

#include "core/async/AsyncOp.h"
#include "core/scanning/ScanDisplay.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QRect>

#include <optional>

class QWidget;

namespace quillora {

class AppFolder;
class PictureButton;

// The picture buttons of one reading screen (the collection, the title page, the reading
// page, the yes/no question), numbered from 1 as the scan numbers them. The scan draws on
// them through ScanDisplay; a mouse user's click answers nextClick().
class ButtonColumn : public QObject, public ScanDisplay {
    Q_OBJECT
public:
    // One button per place, with its spoken name for screen readers. The pictures are drawn
    // to the size of the place, whatever the artwork's own size.
    ButtonColumn(const AppFolder &folder, QWidget *parent, const QList<QRect> &places,
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

private:
    QPixmap picture(const QString &name);
    void clicked(int item);

    const AppFolder &m_folder;
    QHash<QString, QPixmap> m_pictures;
    QList<PictureButton *> m_buttons;
    std::optional<Promise<int>> m_waiting;
};

} // namespace quillora
