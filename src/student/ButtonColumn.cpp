#include "student/ButtonColumn.h"

#include "student/PictureCache.h"
#include "ui/PictureButton.h"

namespace quillora {

ButtonColumn::ButtonColumn(PictureCache &pictures, QWidget *parent, const QList<QRect> &places,
                           const QStringList &names)
    : QObject(parent)
    , m_pictures(pictures) {
    for (int i = 0; i < places.size(); ++i) {
        auto *button = new PictureButton(parent);
        button->setAccessibleName(names.value(i));
        button->setToolTip(names.value(i));
        button->setGeometry(places[i]);
        button->setFocusPolicy(Qt::NoFocus); // Space and Enter belong to the switches
        button->hide();
        const int item = i + 1;
        connect(button, &PictureButton::clicked, this, [this, item] { clicked(item); });
        m_buttons.append(button);
        m_sizedByPicture.append(places[i].isEmpty());
    }
}

PictureButton *ButtonColumn::button(int item) const {
    return item >= 1 && item <= count() ? m_buttons[item - 1] : nullptr;
}

void ButtonColumn::showItemPicture(int item, const QString &name, bool highlighted) {
    PictureButton *target = button(item);
    if (!target)
        return;
    const QRect place = target->geometry();
    const QPixmap normal = m_pictures.artwork(name);
    target->setPictures(normal, normal);
    if (!m_sizedByPicture[item - 1])
        target->setGeometry(place);
    target->setHighlighted(highlighted);
}

void ButtonColumn::setItemVisible(int item, bool visible) {
    if (PictureButton *target = button(item))
        target->setVisible(visible);
}

bool ButtonColumn::isItemVisible(int item) const {
    const PictureButton *target = button(item);
    return target && !target->isHidden();
}

QList<int> ButtonColumn::visibleItems() const {
    QList<int> items;
    for (int item = 1; item <= count(); ++item) {
        if (isItemVisible(item))
            items.append(item);
    }
    return items;
}

void ButtonColumn::hideAll() {
    for (PictureButton *target : std::as_const(m_buttons))
        target->hide();
}

AsyncOp<int> ButtonColumn::nextClick() {
    if (m_waiting)
        m_waiting->fail(std::make_exception_ptr(Cancelled{}));
    Promise<int> promise;
    promise.onCancel([this] { m_waiting.reset(); });
    m_waiting = promise;
    return promise.op();
}

void ButtonColumn::clicked(int item) {
    Q_EMIT itemClicked(item);
    if (auto waiting = std::exchange(m_waiting, std::nullopt))
        waiting->resolve(item);
}

} // namespace quillora
