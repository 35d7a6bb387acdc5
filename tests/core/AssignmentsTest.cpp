#include "core/profiles/Assignments.h"
#include "StoryFilesTestSupport.h"
#include "TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using test::crlf;
using test::installFixture;
using test::TempAppFolder;

TEST(Assignments, RoundTripByteForByteAndPermitExactIds) {
    TempAppFolder app;
    installFixture(app, QStringLiteral("student_story_assignments_601.asg"));
    const QByteArray original = app.read(QStringLiteral("student_story_assignments_601.asg"));

    const auto loaded = loadAssignments(app.folder(), 601);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(loaded->has_value());
    EXPECT_EQ(**loaded, (QList<int>{12, 7}));
    EXPECT_TRUE(isTemplatePermitted(*loaded, 7));
    EXPECT_FALSE(isTemplatePermitted(*loaded, 17)); // a template that is gone, or never listed

    ASSERT_TRUE(clearAssignments(app.folder(), 601));
    ASSERT_TRUE(saveAssignments(app.folder(), 601, {12, 7}));
    EXPECT_EQ(app.read(QStringLiteral("student_story_assignments_601.asg")), original);
}

TEST(Assignments, NoFileMeansEveryTemplate) {
    TempAppFolder app;
    ASSERT_TRUE(saveAssignments(app.folder(), 602, {3}));
    ASSERT_TRUE(clearAssignments(app.folder(), 602));
    EXPECT_FALSE(app.exists(QStringLiteral("student_story_assignments_602.asg")));
    ASSERT_TRUE(clearAssignments(app.folder(), 602)); // nothing left to clear is fine

    const auto loaded = loadAssignments(app.folder(), 602);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->has_value());
    EXPECT_TRUE(isTemplatePermitted(*loaded, 12345));
}

TEST(Assignments, RestrictionsToNothingOrTooMuchAreRefused) {
    TempAppFolder app;
    EXPECT_FALSE(saveAssignments(app.folder(), 601, {}));
    QList<int> tooMany;
    for (int i = 0; i <= kAssignmentLimit; ++i)
        tooMany.append(i);
    EXPECT_FALSE(saveAssignments(app.folder(), 601, tooMany));
    EXPECT_FALSE(app.exists(QStringLiteral("student_story_assignments_601.asg")));
    tooMany.removeLast();
    EXPECT_TRUE(saveAssignments(app.folder(), 601, tooMany));
}

TEST(Assignments, BadFilesAreErrorsNotSilentlyUnrestricted) {
    QStringList tooLong;
    for (int i = 0; i <= kAssignmentLimit; ++i)
        tooLong << QStringLiteral(" 7 ");
    struct Case {
        const char *what;
        QByteArray bytes;
        int line;
    };
    const Case cases[] = {
        {"a line that is not a number", crlf({QStringLiteral(" 7 "), QStringLiteral("seven")}), 2},
        {"more than 500 lines", crlf(tooLong), kAssignmentLimit + 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempAppFolder app;
        app.write(QStringLiteral("student_story_assignments_601.asg"), c.bytes);
        const auto loaded = loadAssignments(app.folder(), 601);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().file, QStringLiteral("student_story_assignments_601.asg"));
        EXPECT_EQ(loaded.error().line, c.line);
    }
}

TEST(Assignments, AFileThatCannotBeDeletedIsReported) {
    TempAppFolder app;
    ASSERT_TRUE(
        QDir(app.folder().root()).mkpath(QStringLiteral("student_story_assignments_601.asg/x")));
    EXPECT_FALSE(clearAssignments(app.folder(), 601));
}

} // namespace
} // namespace quillora
