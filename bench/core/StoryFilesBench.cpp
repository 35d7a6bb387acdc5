// Prints how long the story files take on this machine, in milliseconds: the median of
// several runs and, in brackets, the best one (other work on a shared machine only ever
// slows a run down, so the best run is the steadier figure).

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/book/PersonalBook.h"
#include "core/services/Messages.h"
#include "core/template/TemplateFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace quillora;

namespace {

class SilentMessages : public Messages {
public:
    AsyncOp<void> inform(const QString &) override { return AsyncOp<void>::ready(); }
    AsyncOp<bool> askYesNo(const QString &) override { return AsyncOp<bool>::ready(true); }
    AsyncOp<bool> askOkCancel(const QString &) override { return AsyncOp<bool>::ready(true); }
};

struct Timing {
    double median = 0;
    double best = 0;
};

Timing timeMs(int runs, const std::function<void()> &work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1.0e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

void print(const char *what, Timing t) {
    std::printf("  %-44s %8.2f ms  (best %.2f ms)\n", what, t.median, t.best);
}

void printRatio(const char *what, Timing ours, Timing plain) {
    std::printf("  %-44s %8.1fx  (best %.1fx)\n", what, ours.median / plain.median,
                ours.best / plain.best);
}

QString filled(const QString &what, int n, int length) {
    QString text = QStringLiteral("%1 %2 ").arg(what).arg(n);
    while (text.size() < length)
        text += QStringLiteral("once upon a time ");
    return text.left(length);
}

// 499 pages with every field filled, media names carrying a folder so loading keeps them.
StoryTemplate maximalTemplate(int storyId) {
    StoryTemplate story;
    story.storyId = storyId;
    story.storyTitle = filled(QStringLiteral("Title"), storyId, 60);
    story.coverRecording = QStringLiteral("recording_%1_title.wav").arg(storyId);
    story.backgroundMusic = QStringLiteral("C:\\music\\tune.mid");
    story.colorScheme = 7;
    story.coverPicture = QStringLiteral("C:\\pictures\\cover.jpg");
    for (int slot = 1; slot <= kDesignerPageLimit; ++slot) {
        TemplatePage &page = story.page(slot);
        page.inUse = true;
        page.pageId = 101 + slot;
        page.layout = kLayoutThreeChoices;
        page.pathSubtitle = filled(QStringLiteral("Path"), slot, 40);
        page.pathRecording =
            QStringLiteral("recording_%1_%2_path.wav").arg(storyId).arg(101 + slot);
        for (int k = 1; k <= kChoicesPerPage; ++k) {
            PageChoice &choice = page.choice(k);
            choice.nextPageId = 102 + slot;
            choice.prevPageId = slot == 1 ? 0 : 100 + slot;
            choice.text = filled(QStringLiteral("Text"), slot, 120) + QStringLiteral("\r\nend");
            choice.recording = QStringLiteral("C:\\rec\\r_%1_%2.wav").arg(slot).arg(k);
            choice.picture = QStringLiteral("C:\\pictures\\page_%1_%2.jpg").arg(slot).arg(k);
            choice.soundEffect = QStringLiteral("C:\\sounds\\fx_%1.wav").arg(k);
        }
    }
    return story;
}

void benchMaximalTemplate(const AppFolder &folder, Messages &messages) {
    StoryTemplate story = maximalTemplate(1);
    if (!saveTemplate(story, folder, messages))
        std::exit(1);
    const QString path = folder.filePath(templateFileName(1));
    QFile probe(path);
    probe.open(QIODevice::ReadOnly);
    const QByteArray bytes = probe.readAll();
    probe.close();

    const int runs = 41;
    const Timing load = timeMs(runs, [&] {
        if (!loadTemplate(story, 1, TemplateLoadMode::Reading, folder, messages))
            std::exit(1);
    });
    const Timing plainRead = timeMs(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        (void)file.readAll();
    });
    // The plain way to take a text file line by line: QFile::readLine and UTF-8 decoding.
    const Timing plainLines = timeMs(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringList lines;
        while (!file.atEnd())
            lines << QString::fromUtf8(file.readLine()).chopped(2);
    });
    const Timing save = timeMs(runs, [&] {
        if (!saveTemplate(story, folder, messages))
            std::exit(1);
    });
    const QString plainPath = folder.filePath(QStringLiteral("plain.bin"));
    const Timing plainWrite = timeMs(runs, [&] {
        QFile file(plainPath);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    });
    // Saving goes through QSaveFile, which waits for the disk before it replaces the file.
    const Timing plainSyncedWrite = timeMs(runs, [&] {
        QFile file(plainPath);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.flush();
        ::fdatasync(file.handle());
    });
    std::printf("maximal template: %d pages, %lld bytes\n", story.pagesInUse(),
                static_cast<long long>(bytes.size()));
    print("load (loadTemplate)", load);
    print("plain QFile readAll", plainRead);
    print("plain QFile readLine, UTF-8 lines", plainLines);
    printRatio("load / readAll", load, plainRead);
    printRatio("load / readLine lines", load, plainLines);
    print("save (saveTemplate)", save);
    print("plain QFile write", plainWrite);
    print("plain QFile write + fdatasync", plainSyncedWrite);
    printRatio("save / write", save, plainWrite);
    printRatio("save / write + fdatasync", save, plainSyncedWrite);
}

void fillLibrary(const AppFolder &folder, int templates, int books) {
    for (int id = 1; id <= templates; ++id) {
        // Templates of 20 pages each: a realistic size for a class library.
        StoryTemplate story = maximalTemplate(id);
        for (int slot = 21; slot <= kTemplateSlots; ++slot)
            story.page(slot) = TemplatePage{};
        if (!writeTextLines(folder.filePath(templateFileName(id)), templateLines(story)))
            std::exit(1);
    }
    for (int n = 0; n < books; ++n) {
        PersonalBook book;
        book.studentNumber = 601;
        book.storyId = 1 + n % templates;
        book.bookId = 30000 - n;
        book.lastPageId = 120;
        book.bookPageIds = {102, 103, 104, 105, 106, 107, 108, 109, 110, 120};
        if (!writeTextLines(folder.filePath(bookFileName(book)), bookLines(book)))
            std::exit(1);
    }
}

void benchLibrary(const AppFolder &folder) {
    const int templates = 200;
    const int books = 1000;
    fillLibrary(folder, templates, books);
    const int runs = 15;
    qsizetype topicCount = 0;
    const Timing topics = timeMs(runs, [&] { topicCount = listTemplates(folder).size(); });
    qsizetype bookCount = 0;
    // A collection shows each book with its template's title and its version.
    const Timing bookList = timeMs(runs, [&] {
        QHash<int, QString> titles;
        for (const TemplateSummary &summary : listTemplates(folder))
            titles.insert(summary.storyId, summary.storedTitle);
        QStringList shelf;
        for (const QString &name : listStudentBookFiles(folder, 601)) {
            PersonalBook book;
            if (loadBook(book, folder, name))
                shelf << titles.value(book.storyId) + QString::number(book.bookVersion);
        }
        bookCount = shelf.size();
    });
    std::printf("library of %d templates and %d books (%lld titles, %lld books listed):\n",
                templates, books, static_cast<long long>(topicCount),
                static_cast<long long>(bookCount));
    print("list topics (titles)", topics);
    print("one student's book list", bookList);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    QTemporaryDir maximal;
    QTemporaryDir library;
    if (!maximal.isValid() || !library.isValid())
        return 1;
    benchMaximalTemplate(AppFolder(maximal.path()), messages);
    benchLibrary(AppFolder(library.path()));
    return 0;
}
