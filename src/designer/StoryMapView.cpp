#include "designer/StoryMapView.h"

#include "core/AppFolder.h"
#include "core/template/StoryTemplate.h"
#include "designer/PageEditor.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace quillora {

namespace {

constexpr QSize kMapThumbnail(56, 42);
constexpr int kMargin = 8;
const QColor kMapBackground(35, 70, 105);
const QColor kCurrent(255, 215, 0);
const QColor kProblem(230, 40, 40);

} // namespace

StoryMapView::StoryMapView(const Services &services, const StoryTemplate &story, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_story(story) {
    setObjectName(QStringLiteral("StoryMap"));
    setAccessibleName(QStringLiteral("Story map"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kMapBackground);
    setPalette(p);
    rebuild();
}

void StoryMapView::rebuild() {
    m_rebuildPending = false;
    m_map = buildStoryMap(m_story);
    if (m_focused >= m_map.pages.size())
        m_focused = -1;
    QString summary = QStringLiteral("Story map: %1 pages").arg(m_map.pages.size());
    if (m_map.problemPages > 0)
        summary += QStringLiteral(", %1 with something to fix").arg(m_map.problemPages);
    setAccessibleDescription(summary);
    setToolTip({});
    resize(sizeHint());
    update();
}

void StoryMapView::scheduleRebuild() {
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    // Edits come in bursts (a page shown is laid out, then its pictures and texts set): one
    // layout after the burst is enough.
    QTimer::singleShot(0, this, [this] {
        if (m_rebuildPending)
            rebuild();
    });
}

QSize StoryMapView::sizeHint() const {
    return {std::max(m_map.lanes, 3) * kCellWidth + 2 * kMargin,
            // One row more for the stubs of choices that lead nowhere yet.
            (std::max(m_map.depths, 1) + 1) * kCellHeight + 2 * kMargin};
}

QRect StoryMapView::cellRect(int index) const {
    const MapPage &page = m_map.pages[index];
    return {kMargin + page.lane * kCellWidth, kMargin + page.depth * kCellHeight, kCellWidth - 8,
            kCellHeight - 10};
}

QString StoryMapView::problemText(int index) const {
    QStringList reasons;
    for (const PageProblem &problem : m_map.pages[index].problems)
        reasons.append(problem.reason);
    return reasons.join(QLatin1Char('\n'));
}

int StoryMapView::indexAt(QPoint point) const {
    const int lane = (point.x() - kMargin) / kCellWidth;
    const int depth = (point.y() - kMargin) / kCellHeight;
    for (int i = 0; i < m_map.pages.size(); ++i) {
        const MapPage &page = m_map.pages[i];
        if (page.lane == lane && page.depth == depth && cellRect(i).contains(point))
            return i;
    }
    return -1;
}

QPixmap StoryMapView::thumbnailOf(const MapPage &page) {
    const TemplatePage &stored = m_story.page(page.slot);
    QString path = m_services.folder->resolve(stored.choice(1).picture);
    if (path.isEmpty())
        return {};
    if (isMovieFile(path))
        path = m_services.folder->filePath(QStringLiteral("aobj_movie.jpg"));
    return m_thumbnails.picture(path, kMapThumbnail);
}

void StoryMapView::drawBranches(QPainter &painter, const QRect &dirty) {
    painter.setPen(QPen(Qt::white, 2));
    for (int i = 0; i < m_map.pages.size(); ++i) {
        const MapPage &page = m_map.pages[i];
        const QRect from = cellRect(i);
        for (const MapBranch &branch : page.branches) {
            const QPoint start(from.center().x(), from.bottom());
            const int x = kMargin + branch.lane * kCellWidth + (kCellWidth - 8) / 2;
            const int y = kMargin + (page.depth + 1) * kCellHeight;
            if (!dirty.intersects(QRect(QPoint(std::min(start.x(), x), start.y()),
                                        QPoint(std::max(start.x(), x), y + 12))))
                continue;
            if (branch.index < 0) {
                // A choice leading nowhere: a short red stub where its page should be.
                painter.setPen(QPen(kProblem, 2, Qt::DashLine));
                painter.drawLine(start, QPoint(x, y - 2));
                painter.drawText(QRect(x - 20, y - 4, 40, 14), Qt::AlignCenter,
                                 QStringLiteral("?"));
                painter.setPen(QPen(Qt::white, 2));
                continue;
            }
            painter.drawLine(start, QPoint(x, y));
        }
    }
}

void StoryMapView::drawPage(QPainter &painter, int index) {
    const MapPage &page = m_map.pages[index];
    const QRect cell = cellRect(index);
    painter.fillRect(cell, page.decision ? QColor(0, 0, 0) : QColor(0, 102, 0));
    const QPixmap picture = thumbnailOf(page);
    const QRect pictureBox(cell.left() + (cell.width() - kMapThumbnail.width()) / 2, cell.top() + 3,
                           kMapThumbnail.width(), kMapThumbnail.height());
    if (picture.isNull()) {
        painter.fillRect(pictureBox, QColor(30, 30, 30));
    } else {
        const QPoint at(pictureBox.left() + (pictureBox.width() - picture.width()) / 2,
                        pictureBox.top() + (pictureBox.height() - picture.height()) / 2);
        painter.drawPixmap(at, picture);
    }
    painter.setPen(Qt::white);
    QString caption = page.decision ? QStringLiteral("%1 choices").arg(page.layout)
                                    : QStringLiteral("Page %1").arg(page.pageNumber);
    if (page.end && !page.subtitle.isEmpty())
        caption = page.subtitle;
    const QRect captionBox(cell.left() + 2, pictureBox.bottom() + 2, cell.width() - 4,
                           cell.bottom() - pictureBox.bottom() - 2);
    painter.drawText(captionBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(caption, Qt::ElideRight, captionBox.width()));
    if (!page.problems.isEmpty()) {
        painter.setPen(QPen(kProblem, 3));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
        const QRect badge(cell.right() - 16, cell.top(), 16, 16);
        painter.fillRect(badge, kProblem);
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("!"));
    }
    if (page.current) {
        painter.setPen(QPen(kCurrent, 4));
        painter.drawRect(cell.adjusted(-3, -3, 3, 3));
    }
    if (index == m_focused && hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(cell.adjusted(-6, -6, 6, 6));
    }
}

void StoryMapView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    QFont small = font();
    small.setPointSize(8);
    painter.setFont(small);
    const QRect dirty = event->rect();
    drawBranches(painter, dirty);
    for (int i = 0; i < m_map.pages.size(); ++i) {
        if (cellRect(i).adjusted(-6, -6, 6, 6).intersects(dirty))
            drawPage(painter, i);
    }
}

void StoryMapView::mousePressEvent(QMouseEvent *event) {
    const int index = indexAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    focusIndex(index);
    Q_EMIT pageClicked(m_map.pages[index].pageId);
}

void StoryMapView::focusIndex(int index) {
    m_focused = index;
    if (index >= 0) {
        const MapPage &page = m_map.pages[index];
        QString said = page.decision
                           ? QStringLiteral("Decision page with %1 choices").arg(page.layout)
                           : QStringLiteral("Page %1").arg(page.pageNumber);
        if (!problemText(index).isEmpty())
            said += QStringLiteral(": ") + problemText(index);
        setAccessibleDescription(said);
    }
    update();
}

void StoryMapView::keyPressEvent(QKeyEvent *event) {
    const int count = static_cast<int>(m_map.pages.size());
    if (count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusIndex(std::min(m_focused + 1, count - 1));
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusIndex(std::max(m_focused - 1, 0));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_focused >= 0)
            Q_EMIT pageClicked(m_map.pages[m_focused].pageId);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool StoryMapView::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int index = indexAt(help->pos());
        if (index < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const MapPage &page = m_map.pages[index];
        QString tip = page.decision ? QStringLiteral("Decision page, %1 choices").arg(page.layout)
                                    : QStringLiteral("Page %1").arg(page.pageNumber);
        if (!page.subtitle.isEmpty())
            tip += QStringLiteral("\nSubtitle: ") + page.subtitle;
        if (!problemText(index).isEmpty())
            tip += QLatin1Char('\n') + problemText(index);
        QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace quillora
