#include "FakeComputerVoice.h"

#include "core/WavFile.h"

#include <QFileInfo>

#include <vector>

namespace quillora::test {

namespace {
constexpr int kRate = 22050;
}

double FakeComputerVoice::secondsFor(const QString &text) {
    return 0.1 + 0.01 * static_cast<double>(text.size());
}

Result<void> FakeComputerVoice::speakToFile(const QString &text, const QString &language,
                                            const QString &path) {
    spoken.append({text, language, path});
    if (refuse)
        return FileError{QStringLiteral("The computer voice cannot be used on this computer"),
                         QFileInfo(path).fileName()};
    if (text.trimmed().isEmpty())
        return FileError{QStringLiteral("There is no text for the computer voice to speak"),
                         QFileInfo(path).fileName()};
    const auto samples = static_cast<std::size_t>(secondsFor(text) * kRate);
    return writeWav(path, std::vector<std::int16_t>(samples, 0), kRate);
}

} // namespace quillora::test
