#include "SmallDisk.h"
#include "TempAppFolder.h"
#include "app/Quillora.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::SmallDisk;
using test::TempAppFolder;

// A full disk is not another running copy: the teacher is told what is really wrong.
TEST(FolderLock, AFolderThatCannotBeWrittenIsNotCalledBusy) {
    SmallDisk disk("64k");
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    disk.fill();
    Quillora quillora{disk.folder()};
    QString problem;
    EXPECT_FALSE(quillora.lockFolder(&problem));
    EXPECT_FALSE(problem.contains(u"already running"_s)) << problem.toStdString();
    EXPECT_TRUE(problem.contains(u"cannot write"_s)) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QDir::toNativeSeparators(disk.folder().root())));
}

TEST(FolderLock, LeftoversOfAKilledSaveGoOnceTheFolderIsOurs) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    folder.write(u"story_1.sty.Ab12Cd"_s, "half a template");
    folder.write(u"notes.txt.Ab12Cd"_s, "not ours");
    Quillora first{folder.folder()};
    QString problem;
    ASSERT_TRUE(first.lockFolder(&problem));
    EXPECT_FALSE(folder.exists(u"story_1.sty.Ab12Cd"_s));
    EXPECT_TRUE(folder.exists(u"notes.txt.Ab12Cd"_s));

    // A second copy, refused, touches nothing: the first may be saving right now.
    folder.write(u"story_1.sty.Zz98Yx"_s, "a save in progress");
    Quillora second{folder.folder()};
    EXPECT_FALSE(second.lockFolder(&problem));
    EXPECT_TRUE(problem.contains(u"already running"_s));
    EXPECT_TRUE(folder.exists(u"story_1.sty.Zz98Yx"_s));
}

} // namespace
} // namespace quillora
