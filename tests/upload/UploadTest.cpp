#include "FtpServer.h"
#include "TestWorld.h"
#include "core/async/FlowScope.h"
#include "core/upload/TemplateUpload.h"
#include "upload/CurlUploader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace quillora::test {
namespace {

// Questions are answered from the script; just before answering, the test may mend the
// server, as a teacher would ring the school's network helper before pressing Yes.
class AskingMessages : public FakeMessages {
public:
    AsyncOp<bool> askYesNo(const QString &text) override {
        questions.append(text);
        if (beforeAnswer)
            beforeAnswer(text);
        return FakeMessages::askYesNo(text);
    }
    QStringList questions;
    std::function<void(const QString &)> beforeAnswer;
};

class RecordingView : public UploadView {
public:
    void showStatus(const QString &text, StatusColour colour) override {
        statuses.append(text);
        colours.append(colour);
    }
    void showProgress(int percent) override {
        progressShown = true;
        lastPercent = percent;
        highestPercent = std::max(highestPercent, percent);
    }
    void hideProgress() override { progressShown = false; }
    void setTransferRunning(bool running) override { transferRunning = running; }

    StatusColour colourOf(const QString &text) const {
        return colours.value(statuses.indexOf(text), StatusColour::Green);
    }

    QStringList statuses;
    QList<StatusColour> colours;
    bool progressShown = false;
    bool transferRunning = false;
    int lastPercent = -1;
    int highestPercent = -1;
};

QCoro::Task<> runInto(TemplateUpload &upload, UploadRequest request,
                      std::optional<UploadEnd> &end) {
    end = co_await upload.run(std::move(request));
}

UploadRequest filledRequest() {
    UploadRequest request;
    request.storyId = 1;
    request.description = {QStringLiteral("Ana Ruiz"), QStringLiteral("ana@school.example"),
                           QStringLiteral("English"), QStringLiteral("A cat finds a hat."), false};
    return request;
}

class UploadTest : public ::testing::Test {
protected:
    UploadTest()
        : world(TempAppFolder::Empty) {
        services = world.services();
        services.messages = &messages;
        services.uploader = &uploader;
        QDir(world.appFolder().root()).mkpath(QStringLiteral("disk1"));
        cabinetBytes = QByteArray(300 * 1024, '\0');
        for (int i = 0; i < cabinetBytes.size(); ++i)
            cabinetBytes[i] = static_cast<char>((static_cast<unsigned>(i) * 7919u) >> 3);
    }

    // Stands in for the export's staging and cabinet build: each call makes a cabinet of
    // its own name, as each export takes a new template number.
    PrepareCabinet standInCabinet() {
        return [this](int, std::function<void(int)> percent) {
            ++prepared;
            percent(50);
            const QString name = QStringLiteral("My_Story_%1").arg(prepared);
            const QString path =
                world.folder.path(QStringLiteral("disk1/Template_%1.cab").arg(name));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return AsyncOp<Result<PreparedCabinet>>::ready(
                    Result<PreparedCabinet>(FileError{QStringLiteral("no"), {}}));
            file.write(cabinetBytes);
            return AsyncOp<Result<PreparedCabinet>>::ready(
                Result<PreparedCabinet>(PreparedCabinet{path, name}));
        };
    }

    void writeSettings(int port, const QString &extra = {},
                       const QString &password = QString::fromLatin1(FtpServer::kPassword)) {
        world.folder.write(
            QString::fromLatin1(kUploadSettingsFile),
            crlf({QStringLiteral("host = 127.0.0.1"), QStringLiteral("port = %1").arg(port),
                  QStringLiteral("user = teacher"), QStringLiteral("password = ") + password,
                  extra}));
    }

    std::optional<UploadEnd> upload(UploadRequest request = filledRequest()) {
        TemplateUpload flow(services, scope, standInCabinet(), view);
        std::optional<UploadEnd> end;
        scope.start(runInto(flow, std::move(request), end));
        const bool ended = runUntil([&] { return end.has_value(); });
        EXPECT_TRUE(ended) << "the upload did not end";
        return end;
    }

    TestWorld world;
    AskingMessages messages;
    CurlUploader uploader;
    Services services;
    RecordingView view;
    FtpServer server;
    QByteArray cabinetBytes;
    int prepared = 0;
    FlowScope scope;
};

const QString kThankYou = QStringLiteral(
    "Thank you contributing your story.\n\nIf your story is added to the Brindlemoor website, "
    "you will be notified by email");

TEST_F(UploadTest, SendsTheThreeFilesUnderTheirRemoteNamesAndLogsWithoutThePassword) {
    ASSERT_TRUE(server.start());
    writeSettings(server.port());

    EXPECT_EQ(upload(), UploadEnd::Sent);

    EXPECT_EQ(server.receivedNames(),
              (QStringList{u"My_Story_1.cab"_s, u"My_Story_1.txt"_s, u"upload_flag.txt"_s}));
    EXPECT_EQ(server.received(u"My_Story_1.cab"_s), cabinetBytes);
    EXPECT_EQ(server.received(u"upload_flag.txt"_s), "File Exists\r\n");
    EXPECT_EQ(server.received(u"My_Story_1.txt"_s),
              world.folder.read(u"disk1/Template_My_Story_1.txt"_s));
    EXPECT_EQ(
        view.statuses,
        (QStringList{QString::fromLatin1(kPreparingStatus), u"Connecting..."_s,
                     u"Successfully Connected"_s, u"Uploading Notification File"_s,
                     u"Successfully Uploaded Notification File"_s, u"Uploading Story Description"_s,
                     u"Successfully Uploaded Story Description"_s, u"Uploading Story Contents"_s,
                     u"Successfully Uploaded Story Contents"_s}));
    EXPECT_FALSE(view.colours.contains(StatusColour::Red));
    EXPECT_EQ(view.highestPercent, 100);
    EXPECT_FALSE(view.progressShown);
    EXPECT_EQ(messages.shown, QStringList{kThankYou});

    const QByteArray log = world.folder.read(u"log.xml"_s);
    QXmlStreamReader xml(log);
    int sent = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sent")
            ++sent;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(sent, 3);
    EXPECT_TRUE(log.contains("STOR My_Story_1.cab"));
    EXPECT_TRUE(log.contains("PASS ****"));
    EXPECT_FALSE(log.contains(QByteArray(FtpServer::kPassword)));
}

TEST_F(UploadTest, WrongPasswordAsksAndYesSucceedsOnceTheServerIsMended) {
    ASSERT_TRUE(server.start());
    server.setPassword(u"different"_s);
    writeSettings(server.port());
    messages.beforeAnswer = [&](const QString &) {
        server.setPassword(QString::fromLatin1(FtpServer::kPassword));
    };

    EXPECT_EQ(upload(), UploadEnd::Sent);

    EXPECT_EQ(messages.questions,
              QStringList{u"Failed to connect to the Brindlemoor website.  Retry?"_s});
    EXPECT_EQ(view.colourOf(u"Failed to connect"_s), StatusColour::Red);
    EXPECT_EQ(server.receivedNames().size(), 3);
    const QByteArray log = world.folder.read(u"log.xml"_s);
    EXPECT_FALSE(log.contains(QByteArray(FtpServer::kPassword)));
    EXPECT_TRUE(log.contains("530")) << "the refused try stays in the log";
}

TEST_F(UploadTest, ClosedPortAsksAndNoEndsQuietly) {
    writeSettings(freePort());
    messages.scriptAnswers({false});

    EXPECT_EQ(upload(), UploadEnd::Declined);

    EXPECT_EQ(messages.questions,
              QStringList{u"Failed to connect to the Brindlemoor website.  Retry?"_s});
    EXPECT_EQ(messages.shown, messages.questions); // no thank-you
    EXPECT_EQ(view.statuses.last(), u"Failed to connect"_s);
    EXPECT_TRUE(world.folder.exists(u"log.xml"_s));
}

TEST_F(UploadTest, ClosedPortThenYesOnceTheServerListens) {
    const int port = freePort();
    writeSettings(port);
    messages.beforeAnswer = [&](const QString &) {
        FtpServer::Options options;
        options.port = port;
        ASSERT_TRUE(server.start(options));
    };

    EXPECT_EQ(upload(), UploadEnd::Sent);
    EXPECT_EQ(server.receivedNames().size(), 3);
}

TEST_F(UploadTest, ServerDroppingTheCabinetMidwayGivesTheContentsFailure) {
    FtpServer::Options options;
    options.dropAfterBytes = 64 * 1024;
    ASSERT_TRUE(server.start(options));
    writeSettings(server.port());
    messages.scriptAnswers({false});

    EXPECT_EQ(upload(), UploadEnd::Declined);

    EXPECT_EQ(messages.questions, QStringList{u"Failed to Upload Story Contents.  Retry?"_s});
    EXPECT_EQ(view.colourOf(u"Failed to Upload Story Contents"_s), StatusColour::Red);
    EXPECT_TRUE(view.statuses.contains(u"Successfully Uploaded Story Description"_s));
}

TEST_F(UploadTest, TlsWithTheTrustedCertificateCarriesTheFiles) {
    QTemporaryDir certs;
    QString serverPem;
    const QString cert = makeCertificate(certs.path(), &serverPem);
    ASSERT_FALSE(cert.isEmpty());
    FtpServer::Options options;
    options.certificate = serverPem;
    ASSERT_TRUE(server.start(options));
    writeSettings(server.port(), u"tls = required\r\nca_file = "_s + cert);

    EXPECT_EQ(upload(), UploadEnd::Sent);

    EXPECT_EQ(server.received(u"My_Story_1.cab"_s).size(), cabinetBytes.size());
    EXPECT_TRUE(server.received(u"My_Story_1.cab"_s) == cabinetBytes);
    EXPECT_TRUE(world.folder.read(u"log.xml"_s).contains("PROT P"));
}

TEST_F(UploadTest, RequiredTlsRefusesAPlainServer) {
    ASSERT_TRUE(server.start());
    writeSettings(server.port(), u"tls = required"_s);
    messages.scriptAnswers({false});

    EXPECT_EQ(upload(), UploadEnd::Declined);

    EXPECT_EQ(view.statuses.last(), u"Failed to connect"_s);
    EXPECT_TRUE(server.receivedNames().isEmpty());
}

TEST_F(UploadTest, StopSendingEndsTheTransferAndTheNextUploadWorks) {
    FtpServer::Options options;
    options.readLimitBytesPerSecond = 32 * 1024; // the cabinet would take ten seconds
    ASSERT_TRUE(server.start(options));
    writeSettings(server.port());
    TemplateUpload flow(services, scope, standInCabinet(), view);
    std::optional<UploadEnd> end;
    scope.start(runInto(flow, filledRequest(), end));
    ASSERT_TRUE(runUntil([&] {
        return view.statuses.contains(u"Uploading Story Contents"_s) && view.lastPercent > 0;
    }));
    ASSERT_TRUE(view.transferRunning);

    flow.stop();
    ASSERT_TRUE(runUntil([&] { return end.has_value(); }, 5000));

    EXPECT_EQ(end, UploadEnd::Stopped);
    EXPECT_EQ(view.statuses.last(), QString::fromLatin1(kStoppedStatus));
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_FALSE(view.transferRunning);

    server.start(); // at full speed again
    writeSettings(server.port());
    EXPECT_EQ(upload(), UploadEnd::Sent);
    EXPECT_EQ(server.received(u"My_Story_2.cab"_s), cabinetBytes);
}

TEST_F(UploadTest, ChecksComeInOrderAndNothingIsStagedWithoutSettings) {
    struct Case {
        std::function<void(UploadRequest &)> change;
        QString message;
    };
    const QList<Case> cases{
        {[](UploadRequest &r) { r = UploadRequest{}; }, u"Click on one of the stories to submit"_s},
        {[](UploadRequest &r) { r.description = {}; }, u"Contributor is required"_s},
        {[](UploadRequest &r) { r.description.email.clear(); }, u"Email is required"_s},
        {[](UploadRequest &r) { r.description.language.clear(); },
         u"Language is required, ie. English"_s},
        {[](UploadRequest &r) { r.description.description.clear(); },
         u"Story description is required"_s},
    };
    for (const Case &c : cases) {
        UploadRequest request = filledRequest();
        c.change(request);
        EXPECT_EQ(checkUploadRequest(request), c.message);
    }

    EXPECT_EQ(upload(), UploadEnd::Refused);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(
        messages.shown[0].contains(world.folder.path(QString::fromLatin1(kUploadSettingsFile))));
    EXPECT_EQ(prepared, 0);
    EXPECT_TRUE(QDir(world.folder.path(u"disk1"_s)).isEmpty());
}

TEST(UploadFiles, DescriptionKeepsTypedLinesAndTheListingChoice) {
    UploadDescription d{u"Ana"_s, u"ana@x"_s, u"English"_s, u"First line\r\nSecond line"_s, false};
    EXPECT_EQ(
        descriptionLines(d),
        (QStringList{u"Contributor Name"_s, u"Ana"_s, u"Email Address"_s, u"ana@x"_s,
                     u"Story Language"_s, u"English"_s, u"Story Description"_s, u"First line"_s,
                     u"Second line"_s, u"YOU CAN LIST THE CONTRIBUTOR NAME"_s}));
    d.description = u"One line"_s;
    d.hideContributor = true;
    const QStringList lines = descriptionLines(d);
    EXPECT_EQ(lines.size(), 9); // the four labelled answers and the listing choice
    EXPECT_EQ(lines.last(), u"DO NOT LIST CONTRIBUTOR NAME"_s);
}

TEST(UploadSettingsFile, ReadsKeysWithDefaultsAndNamesTheBadLine) {
    TempAppFolder folder;
    folder.write(QString::fromLatin1(kUploadSettingsFile),
                 crlf({u"# the maker's server"_s, u"host = ftp.example.org"_s, u"user = t"_s,
                       u"password = a = b"_s, u"tls = Required"_s, u"ca_file = maker.pem"_s,
                       u"website = https://example.org/"_s}));
    auto settings = readUploadSettings(folder.folder());
    ASSERT_TRUE(settings.ok()) << settings.error().text().toStdString();
    EXPECT_EQ(settings->port, 21);
    EXPECT_EQ(settings->folder, u"/"_s);
    EXPECT_EQ(settings->password, u"a = b"_s);
    EXPECT_EQ(settings->tls, UploadTls::Required);
    EXPECT_EQ(settings->caFile, folder.path(u"maker.pem"_s));
    EXPECT_EQ(settings->website, u"https://example.org/"_s);

    const QList<QPair<QByteArray, int>> bad{
        {crlf({u"host = h"_s, u"port = 0"_s}), 2},
        {crlf({u"host = h"_s, u"tls = maybe"_s}), 2},
        {crlf({u"hots = h"_s}), 1},
        {crlf({u"user = t"_s}), 0}, // no host
    };
    for (const auto &[bytes, line] : bad) {
        folder.write(QString::fromLatin1(kUploadSettingsFile), bytes);
        auto result = readUploadSettings(folder.folder());
        ASSERT_FALSE(result.ok()) << bytes.constData();
        EXPECT_EQ(result.error().line, line) << bytes.constData();
    }
}

} // namespace
} // namespace quillora::test
