#include "media/EspeakVoice.h"

#include "core/WavFile.h"
#include "media/NullMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <vector>

namespace quillora {

namespace {

constexpr int kSampleRate = 22050;
const QString kCannotSpeak = QStringLiteral("The computer voice cannot be used on this computer");

// The one engine of the process, guarded by its lock.
struct Engine {
    std::mutex lock;
    bool opened = false;
    QString failure;  // why it cannot open, once it has tried
    QByteArray voice; // the voice set last, so a run of texts loads it once
};

Engine &engine() {
    static Engine shared;
    return shared;
}

int collectSamples(short *wav, int count, espeak_EVENT *events) {
    auto *samples = static_cast<std::vector<std::int16_t> *>(events ? events->user_data : nullptr);
    if (samples && wav && count > 0)
        samples->insert(samples->end(), wav, wav + count);
    return 0;
}

QString statusText(espeak_ng_STATUS status) {
    char text[512] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// Called with the lock held. The library would print its complaints and end the program
// through its older entry point, so it is opened through the one that returns a status.
bool openEngine(Engine &shared) {
    if (shared.opened || !shared.failure.isEmpty())
        return shared.opened;
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status == ENS_OK)
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK) {
        shared.failure = kCannotSpeak + QStringLiteral(": ") + statusText(status);
        return false;
    }
    espeak_SetSynthCallback(collectSamples);
    shared.opened = true;
    return true;
}

// "en", "de", "pt_BR" -> the library's voice names; anything else is refused, so a stray
// name can never point the library at a file of its own choosing.
QByteArray voiceName(const QString &language) {
    QString name = language.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (name.isEmpty())
        return QByteArrayLiteral("en");
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(-[a-z0-9]{1,8})*$"));
    return code.match(name).hasMatch() ? name.toLatin1() : QByteArray();
}

Result<void> setVoice(Engine &shared, const QString &language, const QString &file) {
    const QByteArray voice = voiceName(language);
    if (!voice.isEmpty() && voice == shared.voice)
        return {};
    const espeak_ng_STATUS status =
        voice.isEmpty() ? ENS_VOICE_NOT_FOUND : espeak_ng_SetVoiceByName(voice.constData());
    if (status != ENS_OK) {
        // A voice that failed halfway may have left the library with part of it loaded.
        shared.voice.clear();
        return FileError{QStringLiteral("The computer voice has no voice for the language \"") +
                             language + QStringLiteral("\""),
                         file};
    }
    shared.voice = voice;
    return {};
}

Result<std::vector<std::int16_t>> synthesize(const QString &text, const QString &name) {
    const QByteArray utf8 = spokenText(text).toUtf8();
    std::vector<std::int16_t> samples;
    espeak_ng_STATUS status = espeak_ng_Synthesize(
        utf8.constData(), static_cast<std::size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
        espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &samples);
    if (status == ENS_OK)
        status = espeak_ng_Synchronize();
    if (status != ENS_OK)
        return FileError{kCannotSpeak + QStringLiteral(": ") + statusText(status), name};
    return samples;
}

} // namespace

QString spokenText(const QString &text) {
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    QStringList lines;
    for (const QString &line : text.split(breaks, Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].back().isLetterOrNumber())
            lines[i].append(QLatin1Char(','));
    }
    return lines.join(QLatin1Char(' '));
}

bool EspeakVoice::isAvailable() const {
    Engine &shared = engine();
    const std::lock_guard guard(shared.lock);
    return openEngine(shared);
}

Result<void> EspeakVoice::speakToFile(const QString &text, const QString &language,
                                      const QString &path) {
    const QString name = QFileInfo(path).fileName();
    if (spokenText(text).isEmpty())
        return FileError{QStringLiteral("There is no text for the computer voice to speak"), name};
    Engine &shared = engine();
    const std::lock_guard guard(shared.lock);
    if (!openEngine(shared))
        return FileError{shared.failure, name};
    if (auto voice = setVoice(shared, language, name); !voice)
        return voice;
    auto samples = synthesize(text, name);
    if (!samples)
        return samples.error();
    // The library's own voices speak at 22050 Hz; an add-on voice at another rate would
    // give recordings the rest of the program does not expect.
    if (espeak_ng_GetSampleRate() != kSampleRate)
        return FileError{QStringLiteral("The computer voice for \"") + language +
                             QStringLiteral("\" does not speak at 22050 Hz"),
                         name};
    return writeWav(path, *samples, kSampleRate);
}

std::unique_ptr<ComputerVoice> createComputerVoice() {
    // Only where the library looks for its data is asked here; reading the data waits for
    // the first text, so starting the program stays quick.
    const char *dataPath = nullptr;
    {
        Engine &shared = engine();
        const std::lock_guard guard(shared.lock);
        espeak_ng_InitializePath(nullptr);
        espeak_Info(&dataPath);
    }
    const QString data = dataPath ? QString::fromLocal8Bit(dataPath) : QString();
    if (data.isEmpty() || !QFileInfo::exists(QDir(data).filePath(QStringLiteral("phontab"))))
        return std::make_unique<NullComputerVoice>(kCannotSpeak +
                                                   QStringLiteral(": no speech data is installed"));
    return std::make_unique<EspeakVoice>();
}

} // namespace quillora
