#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace quillora {

// What a WAV file's header says about its sound.
struct WavInfo {
    int audioFormat = 0; // 1 for PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataOffset = 0; // where the samples begin
    qint64 dataBytes = 0;

    double durationSeconds() const;
};

// Reads the header of a WAV file held in memory. Every size and offset is checked against
// the bytes there are, so a malformed file gives an error, never a read past the end.
Result<WavInfo> parseWav(QByteArrayView bytes, const QString &name = {});

// Reads the header of a WAV file on disk (only as much of the file as that takes).
Result<WavInfo> readWavInfo(const QString &path);

// A complete 16-bit PCM WAV file (mono unless told otherwise).
QByteArray makeWav(std::span<const std::int16_t> samples, int sampleRate = 22050, int channels = 1);

// Writes one, replacing any file of that name in one step.
Result<void> writeWav(const QString &path, std::span<const std::int16_t> samples,
                      int sampleRate = 22050, int channels = 1);

} // namespace quillora
