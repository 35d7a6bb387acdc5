#include "LibraryFixture.h"

#include <QLockFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

ToolRun quillora(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display and no sound: the jobs must not need either.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("QUILLORA_APP_FOLDER"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLORA_PROGRAM), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(CommandLineTest, ExportImportAndCheckAsAScriptRunsThem) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    TempAppFolder lab(TempAppFolder::InstalledCopy);
    const QString cabinet = school.path(QStringLiteral("milo.cab"));
    ToolRun exported = quillora({QStringLiteral("--app-folder"), school.folder().root(),
                                 QStringLiteral("--export-template"), QStringLiteral("1"),
                                 QStringLiteral("--to"), cabinet});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out.trimmed(), cabinet);
    EXPECT_TRUE(QFile::exists(cabinet));

    ToolRun imported = quillora({QStringLiteral("--app-folder"), lab.folder().root(),
                                 QStringLiteral("--import-template"), cabinet});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith(QStringLiteral("Imported template ")));
    EXPECT_TRUE(imported.out.contains(QStringLiteral(": Milo the Cat ")));

    ToolRun checked =
        quillora({QStringLiteral("--app-folder"), lab.folder().root(), QStringLiteral("--check")});
    EXPECT_EQ(checked.code, 0) << checked.out.toStdString();
    EXPECT_EQ(checked.out.trimmed(), QStringLiteral("The library check found no problem."));

    // The same cabinet again is refused, with the reason on standard error.
    ToolRun again = quillora({QStringLiteral("--app-folder"), lab.folder().root(),
                              QStringLiteral("--import-template"), cabinet});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("already in the library")))
        << again.err.toStdString();
    EXPECT_TRUE(again.out.isEmpty());
}

TEST(CommandLineTest, ProblemsAndRefusalsExitWithOne) {
    TempAppFolder folder(TempAppFolder::InstalledCopy);
    folder.write(QStringLiteral("story_5.sty"), "5\r\n");
    ToolRun checked = quillora(
        {QStringLiteral("--app-folder"), folder.folder().root(), QStringLiteral("--check")});
    EXPECT_EQ(checked.code, 1);
    EXPECT_TRUE(checked.out.startsWith(QStringLiteral("story_5.sty: cannot be read")))
        << checked.out.toStdString();
    EXPECT_TRUE(
        checked.out.trimmed().endsWith(QStringLiteral("The library check found 1 problem.")));

    ToolRun missing = quillora({QStringLiteral("--app-folder"), folder.folder().root(),
                                QStringLiteral("--export-template"), QStringLiteral("42"),
                                QStringLiteral("--to"), folder.path(QStringLiteral("x.cab"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("story_42.sty"))) << missing.err.toStdString();

    ToolRun capitals =
        quillora({QStringLiteral("--app-folder"), folder.folder().root(),
                  QStringLiteral("--import-template"), folder.path(QStringLiteral("x.CAB"))});
    EXPECT_EQ(capitals.code, 1);
    EXPECT_TRUE(capitals.err.contains(QStringLiteral("Valid story templates end with .cab")));

    // A running program holds the folder.
    QLockFile lock(folder.path(QStringLiteral("quillora.lock")));
    ASSERT_TRUE(lock.tryLock(0));
    ToolRun locked = quillora(
        {QStringLiteral("--app-folder"), folder.folder().root(), QStringLiteral("--check")});
    EXPECT_EQ(locked.code, 1);
    EXPECT_TRUE(locked.err.contains(QStringLiteral("running"))) << locked.err.toStdString();
}

TEST(CommandLineTest, BadUsagePrintsTheUsage) {
    TempAppFolder folder;
    const QStringList bad[] = {
        {QStringLiteral("--check"), QStringLiteral("--bogus")},
        {QStringLiteral("--export-template"), QStringLiteral("1")},
        {QStringLiteral("--export-template"), QStringLiteral("one"), QStringLiteral("--to"),
         QStringLiteral("x.cab")},
        {QStringLiteral("--to"), QStringLiteral("x.cab")},
        {QStringLiteral("--import-template")},
        {QStringLiteral("--check"), QStringLiteral("--import-template"), QStringLiteral("x.cab")},
    };
    for (const QStringList &arguments : bad) {
        ToolRun run = quillora(QStringList{QStringLiteral("--app-folder"), folder.folder().root()} +
                               arguments);
        EXPECT_EQ(run.code, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Usage:"))) << run.err.toStdString();
    }
}

} // namespace
} // namespace quillora::test
