#include "app/Quillora.h"
#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "app/LaunchOptions.h"
#include "student/StudentForm.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using namespace test;

TEST(LaunchOptions, ChooseTheApplicationFolderAndWherePrintingGoes) {
    TempAppFolder a;
    TempAppFolder b;
    const QString program = QDir::tempPath();
    const QString A = a.folder().root();
    const QString B = b.folder().root();
    const QString pdf = QDir(A).filePath(u"out.pdf"_s);
    struct Case {
        QStringList arguments;
        LaunchEnvironment environment;
        QString folder;
        QString printToPdf;
    };
    const Case cases[] = {
        {{u"quillora"_s}, {{}, {}, program}, program, {}},
        {{u"quillora"_s}, {A, {}, program}, A, {}},
        {{u"quillora"_s, u"--app-folder"_s, B}, {A, {}, program}, B, {}},
        {{u"quillora"_s, u"--app-folder="_s + B}, {{}, {}, program}, B, {}},
        {{u"quillora"_s}, {{}, pdf, program}, program, pdf},
        {{u"quillora"_s, u"--print-to-pdf"_s, pdf},
         {{}, u"/elsewhere.pdf"_s, program},
         program,
         pdf},
        {{u"quillora"_s, u"--print-to-pdf="_s + pdf, u"--app-folder"_s, A},
         {{}, {}, program},
         A,
         pdf},
    };
    for (const Case &c : cases) {
        const LaunchOptions options = parseLaunchOptions(c.arguments, c.environment);
        EXPECT_TRUE(options.problem.isEmpty()) << options.problem.toStdString();
        EXPECT_EQ(QDir(options.appFolder), QDir(c.folder));
        EXPECT_EQ(options.printToPdf, c.printToPdf);
    }
    const LaunchEnvironment plain{{}, {}, program};
    EXPECT_FALSE(parseLaunchOptions({u"q"_s, u"--app-folder"_s}, plain).problem.isEmpty());
    EXPECT_FALSE(parseLaunchOptions({u"q"_s, u"--print-to-pdf"_s}, plain).problem.isEmpty());
    EXPECT_TRUE(parseLaunchOptions({u"q"_s, u"--app-folder"_s, A + u"/nothing"_s}, plain)
                    .problem.contains(u"does not exist"_s));
}

TEST(Quillora, OneCopyPerApplicationFolder) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    Quillora first{folder.folder()};
    Quillora second{folder.folder()};
    QString problem;
    ASSERT_TRUE(first.lockFolder(&problem));
    EXPECT_FALSE(second.lockFolder(&problem));
    EXPECT_TRUE(problem.contains(u"already running"_s));

    TempAppFolder other(TempAppFolder::InstalledCopy);
    Quillora elsewhere{other.folder()};
    EXPECT_TRUE(elsewhere.lockFolder(&problem));
}

TEST(Quillora, ASmallScreenIsRefusedWithTheMessage) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    QDir(folder.path(u"exports"_s)).removeRecursively();
    FakeMessages messages;
    for (const QSize small : {QSize(1023, 768), QSize(1024, 767)}) {
        Quillora quillora{folder.folder()};
        quillora.setMessages(&messages);
        EXPECT_FALSE(quillora.start(small));
        EXPECT_EQ(quillora.studentForm(), nullptr);
    }
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0],
              u"The screen resolution must be a minimum of 1024 x 768\n\nYour screen resolution "
              "is set to  1023 x  768\n\nQuillora will not terminate"_s);
    EXPECT_FALSE(QDir(folder.path(u"exports"_s)).exists()); // nothing was touched
}

TEST(Quillora, StartsFullScreenOnTheDemoFolderWithRealServices) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    FakeMessages messages;
    Quillora quillora{folder.folder()};
    quillora.setMessages(&messages);
    ASSERT_TRUE(quillora.start(QSize(1280, 1024)));
    StudentForm *form = quillora.studentForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_TRUE(form->mainMenu()->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();
}

} // namespace
} // namespace quillora
