// Prints, in milliseconds, how long the designer takes to show a three-choice page whose
// following pages carry nine thumbnails of 1600 x 1200 photographs (median and worst of 100
// page changes), and how long inserting and deleting a page take in a 499-page template.

#include "FakeMessages.h"
#include "core/AppFolder.h"
#include "core/template/PageGraph.h"
#include "designer/PageEditor.h"

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

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

QString photograph(const QTemporaryDir &dir, int n) {
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor::fromHsv((n * 37) % 360, 160, 220));
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 200));
    p.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
    p.end();
    const QString path = dir.filePath(QStringLiteral("photo_%1.jpg").arg(n));
    image.save(path, "JPG", 90);
    return path;
}

// A three-choice page at `slot` whose three followers are three-choice pages too.
void decisionWithFollowers(StoryTemplate &story, int slot, int id,
                           const std::vector<QString> &photos) {
    TemplatePage &page = story.page(slot);
    page.inUse = true;
    page.pageId = id;
    page.layout = kLayoutThreeChoices;
    for (int k = 1; k <= 3; ++k) {
        page.choice(k).picture = photos[static_cast<std::size_t>(k - 1)];
        page.choice(k).nextPageId = id + k;
        TemplatePage &next = story.page(slot + k);
        next.inUse = true;
        next.pageId = id + k;
        next.layout = kLayoutThreeChoices;
        for (int c = 1; c <= 3; ++c) {
            next.choice(c).prevPageId = id;
            next.choice(c).picture = photos[static_cast<std::size_t>(3 * k + c - 1)];
        }
    }
}

Figures pageChanges(const QTemporaryDir &dir) {
    std::vector<QString> photos;
    for (int n = 0; n < 12; ++n)
        photos.push_back(photograph(dir, n));
    test::FakeMessages messages;
    const AppFolder folder(dir.path());
    Services services;
    services.folder = &folder;
    services.messages = &messages;
    StoryTemplate story;
    newTemplate(story, 1);
    decisionWithFollowers(story, 1, 200, photos);
    std::rotate(photos.begin(), photos.begin() + 3, photos.end());
    decisionWithFollowers(story, 5, 300, photos);
    PageEditor editor(services, story);
    editor.resize(1280, 900);
    editor.show();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int change = 0; change < 100; ++change) {
        timer.start();
        editor.showPage(change % 2 == 0 ? 200 : 300);
        editor.repaint();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return summarise(ms);
}

void pageOperations(Figures *insert, Figures *remove) {
    StoryTemplate story;
    newTemplate(story, 1);
    while (story.pagesInUse() < kDesignerPageLimit - 1)
        (void)insertPageAfter(story, 1);
    std::vector<double> inserting;
    std::vector<double> deleting;
    QElapsedTimer timer;
    for (int run = 0; run < 100; ++run) {
        showPage(story, 102);
        timer.start();
        (void)insertPageAfter(story, 1); // the 499th page
        inserting.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        (void)deletePage(story);
        deleting.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    *insert = summarise(inserting);
    *remove = summarise(deleting);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const Figures changes = pageChanges(dir);
    std::printf("page change with nine 1600x1200 thumbnails: median %.2f ms (goal 16), worst "
                "%.2f ms (goal 50)\n",
                changes.median, changes.worst);
    Figures insert;
    Figures remove;
    pageOperations(&insert, &remove);
    std::printf("insert in a 499-page template: median %.3f ms, worst %.3f ms (goal 1)\n",
                insert.median, insert.worst);
    std::printf("delete in a 499-page template: median %.3f ms, worst %.3f ms (goal 1)\n",
                remove.median, remove.worst);
    return 0;
}
