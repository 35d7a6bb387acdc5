#pragma once

#include "FakeMessages.h"
#include "FakeMusicChannel.h"
#include "FakeSoundPlayer.h"
#include "TempAppFolder.h"
#include "TestWorld.h"
#include "VirtualClock.h"
#include "core/ProgramState.h"
#include "core/book/PersonalBook.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/PrinterService.h"
#include "core/services/ProgramStop.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"
#include "student/CollectionScreen.h"
#include "student/PictureCache.h"
#include "student/StudentContext.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include <ostream>

// Readable failures: the text, not its bytes.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillora {
class ButtonColumn;
class CollectionPanel;
class ReadingPanel;
} // namespace quillora

namespace quillora::test {

// The collection and reading screens on the demo folder (template 1 "Milo the Cat"; the
// students Teacher 600, Maya 601 and Leo 602), with every outside service a double.
class ReadingFixture : public ::testing::Test, public TestWorld {
protected:
    ReadingFixture();
    ~ReadingFixture() override;

    // Maya (601) logged on, worked in the given way.
    void logOnMaya(int accessMode);
    // Writes a book of template 1 for Maya; returns its file name.
    QString addBook(const QList<int> &pages, int lastPageId, int bookId = 4999, int version = 1,
                    int coverColor = 2);

    void open(bool deleteMode = false, bool printAllowed = false);
    bool closed() const { return m_closed && m_closed->isSettled(); }

    // Makes the choice the way the student works the screens: a click, or the switches.
    void pick(ButtonColumn &buttons, int item);
    // Runs until the screen waits for the student's next choice.
    void waitForChoice(ButtonColumn &buttons);
    void press(int key);

    CollectionPanel &collection() const;
    ReadingPanel &reading() const;
    ButtonColumn &collectionButtons() const;
    ButtonColumn &titleButtons() const;
    ButtonColumn &readingButtons() const;
    ButtonColumn &yesNoButtons() const;

    // The lines of Maya's statistics log.
    QStringList statisticsLog() const;

    StudentSession &session = state.session;
    UsageStatistics &statistics = state.statistics;
    StoryTemplate &story = state.story;
    PictureCache pictures{folder.folder()};
    StudentContext context{services(), state, scan, pictures};
    SwitchDriver switches{clock, sound, scan};
    QWidget screen;
    std::unique_ptr<CollectionScreen> screens;

private:
    std::optional<AsyncOp<void>> m_closed;
};

} // namespace quillora::test
