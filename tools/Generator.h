#pragma once

#include "Speech.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <functional>

namespace quillora::assets {

struct DemoTemplate;

// Writes the installed application folder from assets/. Artwork, sounds, tunes and the
// user guide are refreshed on every run; data files (see isDataFile) are written only
// when missing, so a rebuild never resets a counter or erases a child's book.
class Generator {
public:
    Generator(QString assetsDir, QString outputDir);

    Result<void> run();

    int writtenCount() const { return m_written; }
    int keptCount() const { return m_kept; }

private:
    using Maker = std::function<Result<QByteArray>()>;

    // Writes one file of the folder unless it is a data file that is already there.
    Result<void> put(const QString &name, const Maker &make);

    Result<void> writeArtwork();
    Result<void> writeSounds();
    Result<void> writeGuide();
    Result<void> writeSettings();
    Result<void> writeStudents();
    Result<void> writeDemoStory();
    Result<void> writeDemoMedia(const DemoTemplate &story);
    Result<void> writeNarration(const QString &name, const QString &phrase);

    QString assetPath(const QString &name) const { return m_assets.filePath(name); }

    QDir m_assets;
    QDir m_output;
    Speaker m_speaker;
    int m_written = 0;
    int m_kept = 0;
};

} // namespace quillora::assets
