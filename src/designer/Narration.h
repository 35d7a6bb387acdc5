#pragma once

#include "core/services/Services.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace quillora {

class NarrationControls;

// A recording may run for this long before it stops by itself and is saved.
inline constexpr int kRecordingLimitMs = 25000;

// The one microphone of the designer: at most one target records at a time, and anything
// that could leave a recording running unseen (another recording, a section change, Save,
// leaving) abandons it here first (StopCapture). Ending a music preview is part of it, since
// the capture device and the music share one multimedia channel.
class NarrationHub : public QObject {
    Q_OBJECT
public:
    explicit NarrationHub(const Services &services, QObject *parent = nullptr);

    // Discards a recording in progress, switches every recording timer off and ends the
    // music preview.
    void stopCapture();
    // What ends a running music preview (the music section sets it).
    void setPreviewStopper(std::function<void()> stopper) { m_stopPreview = std::move(stopper); }
    // The computer voice's language code ("en", "de", ...), from the language in force.
    void setVoiceLanguage(const QString &code) { m_language = code; }
    QString voiceLanguage() const { return m_language; }

    void add(NarrationControls *controls);
    bool isRecording() const;

private:
    const Services &m_services;
    QList<QPointer<NarrationControls>> m_controls;
    std::function<void()> m_stopPreview;
    QString m_language = QStringLiteral("en");
};

// Record (with Stop over it), Play, Clear and Computer Voice for one narration target: the
// title, a choice of the current page, or the path that ends on it. Where the recording goes
// and which field names it come from the binding, so one kind of control serves all three.
class NarrationControls : public QWidget {
    Q_OBJECT
public:
    struct Binding {
        std::function<QString()> workingName; // bare name of the working copy; empty: none
        std::function<QString()> field;       // the narration field's stored name
        std::function<void(const QString &)> setField;
        std::function<QString()> script; // what the computer voice reads aloud
    };

    // what: the target as a screen reader names it ("the title", "choice 2", "the path").
    // recordingTexts: the labels shown while recording. A recording that runs into the time
    // limit shows Clear again only when clearAfterTimeout.
    NarrationControls(NarrationHub &hub, const Services &services, const QString &what,
                      const QStringList &recordingTexts, bool clearAfterTimeout,
                      QWidget *parent = nullptr);

    void setBinding(Binding binding) { m_binding = std::move(binding); }

    // The buttons for the target as it now is (RefreshRecordingButtons): Play and Clear when
    // the working copy is there; a permanent recording without one gets its working copy
    // back and Play. A recording still running for an earlier page is abandoned first.
    void refresh();
    // The recording in progress is discarded and the buttons go back to Record.
    void abandon();
    bool isRecording() const { return m_recording; }

    QPushButton *recordButton() const { return m_record; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *playButton() const { return m_play; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *voiceButton() const { return m_voice; }
    QTimer *timer() const { return m_timer; }
    QList<QLabel *> recordingLabels() const { return m_labels; }

Q_SIGNALS:
    void recordingStarted();
    // The recording ended (stopped, timed out or abandoned).
    void recordingEnded(bool timedOut);
    // The narration field changed.
    void narrationChanged();

private:
    void record();
    void stop(bool timedOut);
    void play();
    void clear();
    void speak();
    void showRecording(bool recording);
    QString workingPath() const;
    bool workingCopyExists() const;
    void setField(const QString &value);

    NarrationHub &m_hub;
    const Services &m_services;
    Binding m_binding;
    bool m_clearAfterTimeout;
    bool m_recording = false;
    QStackedWidget *m_spot = nullptr; // Record, or Stop in its place
    QPushButton *m_record = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_voice = nullptr;
    QList<QLabel *> m_labels;
    QTimer *m_timer = nullptr;
};

// The computer voice's language for the language in force: the voice of its script, English
// for the Western ones and for any the voice does not know.
QString voiceLanguageFor(const QString &characterSetName);

} // namespace quillora
