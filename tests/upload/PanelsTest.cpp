#include "FtpServer.h"
#include "TestWorld.h"
#include "admin/LanguagePanel.h"
#include "admin/UploadPanel.h"
#include "core/language/LanguageList.h"
#include "core/template/TemplateFile.h"
#include "upload/CurlUploader.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::test {
namespace {

class LanguagePanelTest : public ::testing::Test {
protected:
    LanguagePanelTest() { world.state.characterSet = *readCharacterSetting(world.appFolder()); }

    void choose(const QString &name) {
        const auto items = panel.languageList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        panel.languageList()->setCurrentItem(items[0]);
    }
    void change() {
        panel.changeButton()->click();
        runUntil([&] { return !world.messages.shown.isEmpty() || !world.stop.messages.isEmpty(); },
                 2000);
    }

    TestWorld world;
    LanguagePanel panel{world.services(), world.state};
};

TEST_F(LanguagePanelTest, OpensOnTheLanguageInForceAndKeepsItWhenChosenAgain) {
    ASSERT_TRUE(panel.open());
    ASSERT_NE(panel.languageList()->currentItem(), nullptr);
    EXPECT_EQ(panel.languageList()->currentItem()->text(), u"English"_s);
    const QByteArray before = world.folder.read(u"default_characterset.txt"_s);

    change();
    EXPECT_EQ(world.messages.shown, QStringList{u"The language is already set to English"_s});

    world.messages.shown.clear();
    panel.languageList()->clearSelection();
    change();
    EXPECT_EQ(world.messages.shown, QStringList{u"A language must be selected"_s});

    EXPECT_EQ(world.folder.read(u"default_characterset.txt"_s), before);
    EXPECT_TRUE(world.stop.messages.isEmpty());
}

TEST_F(LanguagePanelTest, ARightToLeftLanguageIsStoredAndTheProgramEnds) {
    ASSERT_TRUE(panel.open());
    choose(u"Hebrew"_s);

    change();

    EXPECT_EQ(world.folder.read(u"default_characterset.txt"_s), "Hebrew\r\n 177 \r\nright\r\n");
    ASSERT_EQ(world.stop.messages.size(), 1);
    EXPECT_EQ(world.stop.messages[0],
              u"The default language is now set to \n\nHebrew\n\nThe program will now exit....   "
              "Restart Quillora for the change to take effect."_s);
    // What the next start reads.
    auto stored = readCharacterSetting(world.appFolder());
    ASSERT_TRUE(stored.ok());
    EXPECT_TRUE(stored->rightAlignsPageTexts());
}

TEST_F(LanguagePanelTest, AMissingFileIsNamedAndNothingOpens) {
    for (const char *name : {"aobj_charactersets.txt", "default_characterset.txt"}) {
        TestWorld fresh;
        QFile::remove(fresh.folder.path(QLatin1String(name)));
        LanguagePanel lonely(fresh.services(), fresh.state);
        EXPECT_FALSE(lonely.open()) << name;
        ASSERT_EQ(fresh.messages.shown.size(), 1) << name;
        EXPECT_TRUE(fresh.messages.shown[0].contains(QLatin1String(name))) << name;
    }
}

TEST(UploadPanelTest, SendsFromTheFormAndStopSendingLeavesThePanelUsable) {
    TestWorld world;
    CurlUploader uploader;
    Services services = world.services();
    services.uploader = &uploader;
    FtpServer server;
    FtpServer::Options slow;
    slow.readLimitBytesPerSecond = 16 * 1024;
    ASSERT_TRUE(server.start(slow));
    world.folder.write(u"aobj_upload_server.txt"_s,
                       crlf({u"host = 127.0.0.1"_s, u"port = %1"_s.arg(server.port()),
                             u"user = teacher"_s, u"password = Sh4re!t"_s}));
    const QByteArray cabinet(512 * 1024, 'c');
    int built = 0;
    PrepareCabinet prepare = [&](int, std::function<void(int)>) {
        const QString name = u"Shared_%1"_s.arg(++built);
        const QString path = world.folder.path(u"disk1/Template_"_s + name + u".cab"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cabinet);
        file.close();
        return AsyncOp<Result<PreparedCabinet>>::ready(
            Result<PreparedCabinet>(PreparedCabinet{path, name}));
    };
    UploadPanel panel(services, prepare);
    bool closed = false;
    QObject::connect(&panel, &UploadPanel::closed, [&] { closed = true; });
    panel.fill(listTemplates(world.appFolder()));
    ASSERT_GT(panel.templateList()->count(), 0);
    panel.templateList()->setCurrentRow(0);
    panel.contributorBox()->setText(u"Ana"_s);
    panel.emailBox()->setText(u"ana@school.example"_s);
    panel.languageBox()->setText(u"English"_s);
    panel.descriptionBox()->setPlainText(u"A cat.\nA hat."_s);
    panel.hideNameBox()->setChecked(true);

    panel.sendButton()->click();
    ASSERT_TRUE(runUntil([&] {
        return panel.statusLine()->text() == u"Uploading Story Contents"_s &&
               panel.progressBar()->value() > 0;
    }));
    EXPECT_FALSE(panel.stopButton()->isHidden());
    panel.stopButton()->click();
    ASSERT_TRUE(runUntil([&] { return !panel.sending(); }, 5000));
    EXPECT_FALSE(closed);
    EXPECT_EQ(panel.statusLine()->text(), QString::fromLatin1(kStoppedStatus));
    EXPECT_TRUE(panel.stopButton()->isHidden());
    EXPECT_TRUE(panel.backButton()->isEnabled());

    ASSERT_TRUE(server.start());
    world.folder.write(u"aobj_upload_server.txt"_s,
                       crlf({u"host = 127.0.0.1"_s, u"port = %1"_s.arg(server.port()),
                             u"user = teacher"_s, u"password = Sh4re!t"_s}));
    panel.sendButton()->click();
    ASSERT_TRUE(runUntil([&] { return closed; }));
    EXPECT_EQ(server.received(u"Shared_2.cab"_s), cabinet);
    EXPECT_TRUE(server.received(u"Shared_2.txt"_s)
                    .endsWith("A cat.\r\nA hat.\r\nDO NOT LIST CONTRIBUTOR NAME\r\n"));
    EXPECT_TRUE(panel.progressBar()->isHidden());
}

} // namespace
} // namespace quillora::test
