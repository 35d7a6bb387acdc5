#pragma once

#include "core/services/Services.h"
#include "core/template/StoryMap.h"
#include "designer/ThumbnailCache.h"

#include <QWidget>

namespace quillora {

struct StoryTemplate;

// The whole page tree at a glance, beside the page editor: every page as a small picture
// with its page number, decisions with their branches, end pages with their subtitles, the
// current page outlined, and every page Save would refuse marked with why. A click (or
// Enter on the page picked with the arrow keys) goes to that page.
class StoryMapView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 84;
    static constexpr int kCellHeight = 78;
    static constexpr int kPreferredWidth = 3 * kCellWidth + 28;

    StoryMapView(const Services &services, const StoryTemplate &story, QWidget *parent = nullptr);

    // Lays the map out afresh from the template now and repaints.
    void rebuild();
    // Rebuilds once the current burst of edits is over.
    void scheduleRebuild();

    const StoryMap &map() const { return m_map; }
    // Where a page is drawn, for clicking and for tests.
    QRect cellRect(int index) const;
    // The reasons shown for a page, one per line; empty when Save would take it.
    QString problemText(int index) const;
    int focusedIndex() const { return m_focused; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pageClicked(int pageId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    int indexAt(QPoint point) const;
    QPixmap thumbnailOf(const MapPage &page);
    void drawPage(QPainter &painter, int index);
    void drawBranches(QPainter &painter, const QRect &dirty);
    void focusIndex(int index);

    const Services &m_services;
    const StoryTemplate &m_story;
    StoryMap m_map;
    ThumbnailCache m_thumbnails;
    bool m_rebuildPending = false;
    int m_focused = -1;
};

} // namespace quillora
