// Prints, in milliseconds, how long the story map beside the page editor takes to show a
// 499-page template again after an edit: the map laid out afresh and the part in view
// painted with its thumbnails (median and worst of 50 edits). Two shapes: one long path, and
// a bushy tree of three-choice pages. Goal: at most 50 ms.

#include "core/AppFolder.h"
#include "core/services/Services.h"
#include "core/template/StoryTemplate.h"
#include "designer/StoryMapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quillora;

namespace {

QString photograph(const QTemporaryDir &dir, int n) {
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((n * 37) % 360, 160, 220));
    const QString path = dir.filePath(QStringLiteral("photo_%1.jpg").arg(n));
    image.save(path, "JPG", 90);
    return path;
}

void usePage(StoryTemplate &story, int slot, int id, int layout, int prev, const QString &picture) {
    TemplatePage &page = story.page(slot);
    page.inUse = true;
    page.pageId = id;
    page.layout = layout;
    for (int k = 1; k <= kChoicesPerPage; ++k) {
        page.choice(k).prevPageId = prev;
        page.choice(k).picture = k <= layout ? picture : QString();
    }
}

StoryTemplate longPath(const std::vector<QString> &photos) {
    StoryTemplate story;
    story.storyId = 1;
    for (int slot = 1; slot <= kDesignerPageLimit; ++slot) {
        const int id = 101 + slot;
        usePage(story, slot, id, kLayoutSimple, slot == 1 ? 0 : id - 1,
                photos[static_cast<std::size_t>(slot) % photos.size()]);
        if (slot < kDesignerPageLimit)
            story.page(slot).choice(1).nextPageId = id + 1;
    }
    story.currentPageId = 102 + 250;
    return story;
}

// Breadth first: every page is a three-choice decision until the table is full.
StoryTemplate bushyTree(const std::vector<QString> &photos) {
    StoryTemplate story;
    story.storyId = 1;
    usePage(story, 1, 102, kLayoutThreeChoices, 0, photos[0]);
    int slot = 2;
    for (int parent = 1; parent < slot && slot <= kDesignerPageLimit; ++parent) {
        for (int k = 1; k <= kChoicesPerPage && slot <= kDesignerPageLimit; ++k, ++slot) {
            const int id = 101 + slot;
            usePage(story, slot, id, kLayoutThreeChoices, story.page(parent).pageId,
                    photos[static_cast<std::size_t>(slot) % photos.size()]);
            story.page(parent).choice(k).nextPageId = id;
        }
    }
    story.currentPageId = 102;
    return story;
}

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures redraws(StoryTemplate &story, const Services &services) {
    StoryMapView view(services, story);
    QImage screen(StoryMapView::kPreferredWidth, 900, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> ms;
    for (int edit = 0; edit < 51; ++edit) {
        // An edit: a subtitle typed on some page, which may change what the map marks.
        TemplatePage &page = story.page(1 + (edit * 7) % kDesignerPageLimit);
        page.pathSubtitle = edit % 2 == 0 ? QStringLiteral("The end") : QString();
        QElapsedTimer timer;
        timer.start();
        view.rebuild();
        const int at = view.map().indexOf(story.currentPageId);
        const int top = at < 0 ? 0 : std::max(0, view.cellRect(at).top() - 400);
        QPainter painter(&screen);
        view.render(&painter, QPoint(), QRegion(0, top, screen.width(), screen.height()));
        painter.end();
        if (edit > 0) // the first fills the thumbnail cache, as the first showing does
            ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    Services services;
    services.folder = &folder;
    std::vector<QString> photos;
    for (int n = 0; n < 9; ++n)
        photos.push_back(photograph(dir, n));

    StoryTemplate path = longPath(photos);
    const Figures one = redraws(path, services);
    std::printf("story map of a 499-page path, after an edit: median %.2f ms, worst %.2f ms "
                "(goal 50)\n",
                one.median, one.worst);
    StoryTemplate tree = bushyTree(photos);
    const Figures bushy = redraws(tree, services);
    std::printf("story map of a 499-page tree of decisions, after an edit: median %.2f ms, "
                "worst %.2f ms (goal 50)\n",
                bushy.median, bushy.worst);
    return 0;
}
