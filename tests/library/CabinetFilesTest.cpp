#include "LibraryFixture.h"

#include "cabinets/CabinetFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

// A stop asked for between members ends the work there, leaving no cabinet (and keeping an
// earlier one of the same name) or no further member.
TEST(CabinetFilesTest, StoppingBetweenMembersLeavesNothingHalfDone) {
    QTemporaryDir dir;
    const QString cabinet = dir.filePath(QStringLiteral("t.cab"));
    writeRawCabinet(cabinet, {{QStringLiteral("a.wav"), QByteArray(5000, 'a')},
                              {QStringLiteral("b.wav"), QByteArray(5000, 'b')},
                              {QStringLiteral("c.wav"), QByteArray(5000, 'c')}});
    const qint64 before = QFile(cabinet).size();

    QList<CabinetInput> inputs;
    for (const char *name : {"x1", "x2", "x3"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, name[1]));
        inputs.append(CabinetInput{path, QString::fromLatin1(name) + QStringLiteral(".wav")});
    }
    int asked = 0;
    auto written = writeCabinetFile(cabinet, inputs, [&asked] { return ++asked > 1; }, {});
    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().message.contains(QStringLiteral("stopped")));
    EXPECT_EQ(QFile(cabinet).size(), before);
    EXPECT_FALSE(QFile::exists(cabinet + QStringLiteral(".part")));

    const QString into = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(into);
    int seen = 0;
    auto expanded = extractCabinetMembers(
        cabinet, into, {QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav")},
        [&seen] { return ++seen > 1; }, {});
    EXPECT_FALSE(expanded.ok());
    EXPECT_LE(QDir(into).entryList(QDir::Files).size(), 1);

    // Members not asked for are passed over, and progress counts the ones taken.
    QList<std::pair<int, int>> steps;
    auto some = extractCabinetMembers(cabinet, into, {QStringLiteral("b.wav")}, {},
                                      [&steps](int done, int total) {
                                          steps.append({done, total});
                                      });
    ASSERT_TRUE(some.ok());
    EXPECT_EQ(some.value(), 1);
    EXPECT_FALSE(QFile::exists(QDir(into).filePath(QStringLiteral("c.wav"))));
    EXPECT_EQ(QFile(QDir(into).filePath(QStringLiteral("b.wav"))).size(), 5000);
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.last(), std::make_pair(1, 1));
}

} // namespace
} // namespace quillora::test
