#include "FakeComputerVoice.h"
#include "TempAppFolder.h"
#include "core/WavFile.h"
#include "media/EspeakVoice.h"
#include "media/NullMedia.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

using namespace Qt::StringLiterals;

double spokenSeconds(ComputerVoice &voice, const QString &text, const QString &path) {
    const auto spoken = voice.speakToFile(text, u"en"_s, path);
    if (!spoken) {
        ADD_FAILURE() << spoken.error().text().toStdString();
        return 0;
    }
    const auto info = readWavInfo(path);
    if (!info) {
        ADD_FAILURE() << info.error().text().toStdString();
        return 0;
    }
    EXPECT_EQ(info->audioFormat, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->bitsPerSample, 16);
    return info->durationSeconds();
}

class ComputerVoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        voice = createComputerVoice();
        if (!voice->isAvailable())
            GTEST_SKIP() << "no speech data for the computer voice on this machine";
    }
    test::TempAppFolder app;
    std::unique_ptr<ComputerVoice> voice;
};

TEST_F(ComputerVoiceTest, WritesAWaveThatGrowsWithTheText) {
    double previous = 0;
    for (const QString &text : {u"Hi"_s, u"The cat sat on the mat"_s,
                                u"The cat sat on the mat and then it ran all the way to the park "
                                "to find its friend the big brown dog"_s}) {
        const double seconds = spokenSeconds(*voice, text, app.path(u"voice.wav"_s));
        EXPECT_GT(seconds, previous) << text.toStdString();
        previous = seconds;
    }
    EXPECT_GT(spokenSeconds(*voice, u"Guten Tag"_s, app.path(u"de.wav"_s)), 0.2);
}

TEST_F(ComputerVoiceTest, LineBreaksOfAPageTextArePauses) {
    const double joined =
        spokenSeconds(*voice, u"one little bird two little birds"_s, app.path(u"joined.wav"_s));
    const double broken =
        spokenSeconds(*voice, u"one little bird\r\ntwo little birds"_s, app.path(u"broken.wav"_s));
    EXPECT_GT(broken, joined + 0.05);
}

TEST_F(ComputerVoiceTest, RefusalsNameTheFileAndKeepTheOldOne) {
    app.write(u"old.wav"_s, "old take");
    for (const auto &[text, language] :
         {std::pair{u" \r\n "_s, u"en"_s}, std::pair{u"Hello"_s, u"xx-nonsense"_s},
          std::pair{u"Hello"_s, u"../../etc/passwd"_s}}) {
        const auto spoken = voice->speakToFile(text, language, app.path(u"old.wav"_s));
        ASSERT_FALSE(spoken) << language.toStdString();
        EXPECT_EQ(spoken.error().file, u"old.wav"_s);
        EXPECT_EQ(app.read(u"old.wav"_s), "old take");
    }
    // A refused language does not stick: the next text is spoken in English again.
    EXPECT_TRUE(voice->speakToFile(u"Hello"_s, {}, app.path(u"new.wav"_s)));
}

TEST(SpokenText, LineBreaksBecomePausesAndBlankLinesVanish) {
    const std::pair<QString, QString> cases[] = {
        {u"one\r\ntwo"_s, u"one, two"_s},
        {u"Stop!\nGo\rnow"_s, u"Stop! Go, now"_s},
        {u"\n\n  a cat \r\n\r\n"_s, u"a cat"_s},
        {u"no breaks"_s, u"no breaks"_s},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(spokenText(text), expected) << text.toStdString();
}

TEST(OtherVoices, TheNullVoiceRefusesAndTheFakeOneGrowsWithTheText) {
    test::TempAppFolder app;
    NullComputerVoice none(u"The computer voice cannot be used on this computer"_s);
    EXPECT_FALSE(none.isAvailable());
    const auto refused = none.speakToFile(u"Hello"_s, u"en"_s, app.path(u"a.wav"_s));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().file, u"a.wav"_s);
    EXPECT_FALSE(app.exists(u"a.wav"_s));

    test::FakeComputerVoice fake;
    ASSERT_TRUE(fake.speakToFile(u"Hi"_s, u"en"_s, app.path(u"short.wav"_s)));
    ASSERT_TRUE(fake.speakToFile(u"Hello there, little bird"_s, {}, app.path(u"long.wav"_s)));
    const auto shortInfo = readWavInfo(app.path(u"short.wav"_s));
    const auto longInfo = readWavInfo(app.path(u"long.wav"_s));
    ASSERT_TRUE(shortInfo && longInfo);
    EXPECT_LT(shortInfo->durationSeconds(), longInfo->durationSeconds());
    EXPECT_EQ(fake.spoken.size(), 2);
}

} // namespace
} // namespace quillora
