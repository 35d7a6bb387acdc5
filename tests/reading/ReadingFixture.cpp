#include "ReadingFixture.h"

#include "core/TextFile.h"
#include "core/scanning/KeyFlags.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/ReadingPanel.h"
#include "student/ReadingScreen.h"
#include "ui/PictureButton.h"

namespace quillora::test {

ReadingFixture::ReadingFixture() {
    EXPECT_TRUE(state.texts.load(folder.folder()));
    screen.resize(1280, 1024);
    screen.show();
    screens = std::make_unique<CollectionScreen>(context, &screen);
    screens->readingScreen()->seedColours(7);
}

ReadingFixture::~ReadingFixture() {
    screens.reset();
    drainEvents();
}

void ReadingFixture::logOnMaya(int accessMode) {
    auto read = readStudentOptionsPlus(session, QStringLiteral("Maya"), folder.folder(), messages);
    ASSERT_TRUE(read);
    session.currentStudentName = QStringLiteral("Maya");
    session.profile.accessMode = accessMode;
    scan.setSettings(scanSettings(session.profile));
}

QString ReadingFixture::addBook(const QList<int> &pages, int lastPageId, int bookId, int version,
                                int coverColor) {
    PersonalBook book;
    book.studentNumber = 601;
    book.storyId = 1;
    book.coverColor = coverColor;
    book.bookVersion = version;
    book.lastPageId = lastPageId;
    book.bookPageIds = pages;
    book.bookId = bookId;
    const QString name = bookFileName(book);
    EXPECT_TRUE(writeTextLines(folder.path(name), bookLines(book)));
    return name;
}

void ReadingFixture::open(bool deleteMode, bool printAllowed) {
    m_closed.emplace(screens->open(deleteMode, printAllowed));
    drainEvents();
}

void ReadingFixture::press(int key) {
    switches.tap(key);
}

void ReadingFixture::waitForChoice(ButtonColumn &buttons) {
    if (session.profile.accessMode == kAccessMouse) {
        ASSERT_TRUE(runUntil(clock, [&] { return buttons.isWaitingForClick(); }));
        return;
    }
    // The scan is on this screen once one of its buttons is shown and nothing else runs.
    ASSERT_TRUE(
        runUntil(clock, [&] { return scan.isScanning() && !buttons.visibleItems().isEmpty(); }));
}

void ReadingFixture::pick(ButtonColumn &buttons, int item) {
    waitForChoice(buttons);
    switch (session.profile.accessMode) {
    case kAccessMouse:
        buttons.button(item)->click();
        break;
    case kAccessStepScanning:
        press(kKeySpace); // ends the wait for the first switch press
        for (int step = 0; step < 10 && scan.highlightedItem() != item; ++step)
            press(kKeySpace);
        ASSERT_EQ(scan.highlightedItem(), item);
        press(kKeyEnter);
        break;
    default:
        ASSERT_TRUE(runUntil(
            clock, [&] { return scan.highlightedItem() == item; }, 60));
        press(kKeyEnter);
        break;
    }
    drainEvents();
}

CollectionPanel &ReadingFixture::collection() const {
    return *screens->panel();
}

ReadingPanel &ReadingFixture::reading() const {
    return *screens->readingScreen()->panel();
}

ButtonColumn &ReadingFixture::collectionButtons() const {
    return *collection().buttons();
}

ButtonColumn &ReadingFixture::titleButtons() const {
    return *reading().titlePage()->buttons();
}

ButtonColumn &ReadingFixture::readingButtons() const {
    return *reading().buttons();
}

ButtonColumn &ReadingFixture::yesNoButtons() const {
    return *screens->yesNoPanel()->buttons();
}

QStringList ReadingFixture::statisticsLog() const {
    auto lines = readTextLines(folder.path(QStringLiteral("stats_601.sta")));
    return lines ? *lines : QStringList();
}

} // namespace quillora::test
