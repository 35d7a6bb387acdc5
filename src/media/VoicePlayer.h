#pragma once

#include "core/AppFolder.h"
#include "core/services/SoundPlayer.h"
#include "media/MissingSoundNotices.h"

namespace quillora {

class Messages;

// What every wave player of the program shares: how names become files, what a missing file
// says and how long it holds its caller (see MissingSoundNotices), and what a stop does. The
// voice itself (real device or silent timer) is the subclass's.
class VoicePlayer : public SoundPlayer {
public:
    VoicePlayer(const AppFolder &folder, Messages &messages);

    AsyncOp<SoundEnd> play(const QString &name, LoopMode mode = LoopMode::Once) final;
    void playAsync(const QString &name, LoopMode mode = LoopMode::Once) final;
    AsyncOp<SoundEnd> stop() final;

protected:
    // Starts an existing file in the one voice, cutting off whatever plays there. Completes
    // when the file has ended or was cut off; a file that cannot be played completes at
    // once as Finished (silence, no message).
    virtual AsyncOp<SoundEnd> startVoice(const QString &path, LoopMode mode) = 0;
    // Ends whatever plays in the voice; its wait completes as CutOff at once.
    virtual void silenceVoice() = 0;

    const AppFolder &folder() const { return m_folder; }

private:
    // shownName is what a missing-file message names; waiting tells whether the caller
    // awaits the sound.
    AsyncOp<SoundEnd> request(const QString &name, const QString &shownName, LoopMode mode,
                              bool waiting);

    AppFolder m_folder;
    MissingSoundNotices m_notices;
};

// The file a sound name stands for, whether or not it exists. A relative name is looked up in
// the application folder, whatever the process's current folder is.
QString soundFilePath(const AppFolder &folder, const QString &name);
// The same, or the empty text when no such file exists.
QString locateSoundFile(const AppFolder &folder, const QString &name);

} // namespace quillora
