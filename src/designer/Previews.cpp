#include "designer/Previews.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kLineRoom = 20; // the connectors' share of the strip's width

QLabel *thumbnailLabel(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setFixedSize(kThumbnailSize);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("background: rgb(30, 30, 30); color: white; border: 1px solid white;"));
    label->hide();
    return label;
}

void showPicture(QLabel *label, const QPixmap &picture) {
    label->setPixmap(picture);
    if (picture.isNull())
        label->setText(QStringLiteral("No Picture"));
    label->show();
}

QPen connectorPen() {
    return QPen(QColor(255, 255, 255), 2);
}

} // namespace

FollowingPreview::FollowingPreview(int panel, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewRight%1").arg(panel));
    setFixedWidth(kThumbnailSize.width() + 2 * kLineRoom);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(kLineRoom, 2, kLineRoom, 2);
    column->addStretch(1);
    for (std::size_t i = 0; i < m_thumbnails.size(); ++i) {
        m_thumbnails[i] = thumbnailLabel(this);
        m_thumbnails[i]->setAccessibleName(
            QStringLiteral("Following page, choice %1, from panel %2").arg(i + 1).arg(panel));
        column->addWidget(m_thumbnails[i]);
    }
    column->addStretch(1);
}

void FollowingPreview::showThumbnails(const QList<QPixmap> &pictures) {
    m_shown = static_cast<int>(std::min<qsizetype>(pictures.size(), 3));
    for (int i = 0; i < 3; ++i) {
        if (i < m_shown)
            showPicture(m_thumbnails[static_cast<std::size_t>(i)], pictures[i]);
        else
            m_thumbnails[static_cast<std::size_t>(i)]->hide();
    }
    update();
}

void FollowingPreview::setConnectsOnward(bool on) {
    m_onward = on;
    update();
}

void FollowingPreview::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(connectorPen());
    const QPointF from(0, height() / 2.0);
    for (int i = 0; i < m_shown; ++i) {
        const QRect r = m_thumbnails[static_cast<std::size_t>(i)]->geometry();
        p.drawLine(from, QPointF(r.left(), r.center().y()));
    }
    if (m_onward)
        p.drawLine(from, QPointF(width(), from.y()));
}

PreviousPreview::PreviousPreview(const QString &startMarkerFile, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewLeft"));
    setFixedWidth(kThumbnailSize.width() + kLineRoom + 8);
    m_previous = thumbnailLabel(this);
    m_previous->setAccessibleName(QStringLiteral("Previous page"));
    m_start = new QLabel(this);
    m_start->setAccessibleName(QStringLiteral("Start of the story"));
    const QPixmap marker(startMarkerFile);
    if (marker.isNull())
        m_start->setText(QStringLiteral("Start"));
    else
        m_start->setPixmap(
            marker.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_start->setAlignment(Qt::AlignCenter);
    m_start->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    m_start->setFixedSize(kThumbnailSize);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 0, kLineRoom + 4, 0);
    column->addStretch(1);
    column->addWidget(m_previous);
    column->addWidget(m_start);
    column->addStretch(1);
}

void PreviousPreview::showPrevious(const QPixmap &picture) {
    m_start->hide();
    showPicture(m_previous, picture);
    update();
}

void PreviousPreview::showStart() {
    m_previous->hide();
    m_start->show();
    update();
}

bool PreviousPreview::showsStart() const {
    return !m_start->isHidden();
}

void PreviousPreview::paintEvent(QPaintEvent *) {
    if (showsStart())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(connectorPen());
    const QRect r = m_previous->geometry();
    const QPointF from(r.right(), r.center().y());
    for (const QWidget *panel : m_targets) {
        if (panel->isHidden() || !panel->parentWidget())
            continue;
        const QPoint centre = panel->mapTo(window(), panel->rect().center());
        const int y = mapFrom(window(), centre).y();
        p.drawLine(from, QPointF(width(), y));
    }
}

} // namespace quillora
