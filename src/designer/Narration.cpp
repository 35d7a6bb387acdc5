#include "designer/Narration.h"

#include "core/AppFolder.h"
#include "core/FileCopy.h"
#include "core/services/ComputerVoice.h"
#include "core/services/Messages.h"
#include "core/services/MusicChannel.h"
#include "core/services/Recorder.h"
#include "core/services/SoundPlayer.h"
#include "core/template/WorkingRecordings.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace quillora {

NarrationHub::NarrationHub(const Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services) {}

void NarrationHub::add(NarrationControls *controls) {
    m_controls.append(controls);
}

bool NarrationHub::isRecording() const {
    for (const QPointer<NarrationControls> &c : m_controls) {
        if (c && c->isRecording())
            return true;
    }
    return false;
}

void NarrationHub::stopCapture() {
    m_services.recorder->close();
    // Every timer, not only the target's own: one left from an abandoned recording would
    // otherwise save over the working copy later.
    for (const QPointer<NarrationControls> &c : m_controls) {
        if (c)
            c->abandon();
    }
    if (m_stopPreview)
        m_stopPreview();
}

NarrationControls::NarrationControls(NarrationHub &hub, const Services &services,
                                     const QString &what, const QStringList &recordingTexts,
                                     bool clearAfterTimeout, QWidget *parent)
    : QWidget(parent)
    , m_hub(hub)
    , m_services(services)
    , m_clearAfterTimeout(clearAfterTimeout) {
    auto make = [this, &what](const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setAccessibleName(QStringLiteral("%1 %2").arg(caption, what));
        return button;
    };
    m_record = make(QStringLiteral("Record"));
    m_stop = make(QStringLiteral("Stop"));
    m_play = make(QStringLiteral("Play"));
    m_clear = make(QStringLiteral("Clear"));
    m_voice = make(QStringLiteral("Computer Voice"));
    m_voice->setToolTip(QStringLiteral("Narration spoken by the computer from the text"));
    for (QPushButton *button : {m_record, m_stop, m_play, m_clear, m_voice}) {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // Buttons keep their places as others come and go, so Stop lands on Record's spot.
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kRecordingLimitMs);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    // Stop takes Record's place, so the teacher presses the same spot to start and to stop.
    m_spot = new QStackedWidget(this);
    m_spot->addWidget(m_record);
    m_spot->addWidget(m_stop);
    m_spot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(m_spot, 0, 0);
    grid->addWidget(m_voice, 0, 1);
    grid->addWidget(m_play, 1, 0);
    grid->addWidget(m_clear, 1, 1);
    int row = 2;
    for (const QString &text : recordingTexts) {
        auto *label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("color: yellow; font-weight: bold;"));
        label->hide();
        m_labels.append(label);
        grid->addWidget(label, row++, 0, 1, 2);
    }
    m_play->hide();
    m_clear->hide();
    m_voice->setVisible(services.voice && services.voice->isAvailable());

    connect(m_record, &QPushButton::clicked, this, &NarrationControls::record);
    connect(m_stop, &QPushButton::clicked, this, [this] { stop(false); });
    connect(m_timer, &QTimer::timeout, this, [this] { stop(true); });
    connect(m_play, &QPushButton::clicked, this, &NarrationControls::play);
    connect(m_clear, &QPushButton::clicked, this, &NarrationControls::clear);
    connect(m_voice, &QPushButton::clicked, this, &NarrationControls::speak);
    hub.add(this);
}

QString NarrationControls::workingPath() const {
    const QString name = m_binding.workingName ? m_binding.workingName() : QString();
    return name.isEmpty() ? QString() : m_services.folder->filePath(name);
}

bool NarrationControls::workingCopyExists() const {
    const QString path = workingPath();
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void NarrationControls::setField(const QString &value) {
    if (m_binding.setField)
        m_binding.setField(value);
    Q_EMIT narrationChanged();
}

void NarrationControls::showRecording(bool recording) {
    m_recording = recording;
    m_spot->setCurrentWidget(recording ? m_stop : m_record);
    for (QLabel *label : m_labels)
        label->setVisible(recording);
    if (recording) {
        m_play->hide();
        m_clear->hide();
        m_voice->hide();
    } else {
        m_voice->setVisible(m_services.voice && m_services.voice->isAvailable());
    }
}

void NarrationControls::record() {
    m_hub.stopCapture();
    if (workingPath().isEmpty())
        return;
    // "close all": the capture device and the music share one channel.
    m_services.music->closeAllMedia();
    if (!m_services.recorder->start()) {
        m_record->setToolTip(QStringLiteral("No microphone found"));
        (void)m_services.messages->inform(
            QStringLiteral("No microphone was found, so nothing can be recorded.\n\nPlug in a "
                           "microphone and press Record again, or press \"Computer Voice\" to "
                           "have the computer read the text aloud."));
        return;
    }
    m_record->setToolTip({});
    showRecording(true);
    m_timer->start();
    Q_EMIT recordingStarted();
}

void NarrationControls::stop(bool timedOut) {
    m_timer->stop();
    if (!m_recording)
        return;
    const QString path = workingPath();
    const Result<void> saved = m_services.recorder->save(path);
    m_services.recorder->close();
    showRecording(false);
    // Only a recording that reached its file is named in the template: a student must never
    // meet a narration that does not exist.
    if (saved) {
        setField(permanentNameOf(QFileInfo(path).fileName()));
        m_play->show();
        m_clear->setVisible(!timedOut || m_clearAfterTimeout);
    } else {
        (void)m_services.messages->inform(
            QStringLiteral("The recording could not be saved.\n\n%1").arg(saved.error().text()));
        refresh();
    }
    Q_EMIT recordingEnded(timedOut);
}

void NarrationControls::abandon() {
    m_timer->stop();
    if (!m_recording)
        return;
    showRecording(false);
    refresh();
    Q_EMIT recordingEnded(false);
}

void NarrationControls::play() {
    if (workingCopyExists())
        m_services.sound->playAsync(workingPath());
}

void NarrationControls::clear() {
    m_hub.stopCapture();
    setField({});
    m_play->hide();
    m_clear->hide();
}

void NarrationControls::speak() {
    m_hub.stopCapture();
    const QString path = workingPath();
    if (path.isEmpty())
        return;
    const QString text = m_binding.script ? m_binding.script().trimmed() : QString();
    if (text.isEmpty()) {
        (void)m_services.messages->inform(
            QStringLiteral("There is no text for the computer voice to read yet.\n\nType the "
                           "text first, then press \"Computer Voice\" again."));
        return;
    }
    const Result<void> spoken = m_services.voice->speakToFile(text, m_hub.voiceLanguage(), path);
    if (!spoken) {
        (void)m_services.messages->inform(spoken.error().text());
        return;
    }
    setField(permanentNameOf(QFileInfo(path).fileName()));
    m_play->show();
    m_clear->show();
}

void NarrationControls::refresh() {
    if (m_recording) {
        m_hub.stopCapture();
        return; // stopCapture refreshed this target
    }
    m_play->hide();
    m_clear->hide();
    m_spot->setCurrentWidget(m_record);
    const QString field = m_binding.field ? m_binding.field() : QString();
    if (field.isEmpty() || workingPath().isEmpty())
        return;
    if (workingCopyExists()) {
        m_play->show();
        m_clear->show();
        return;
    }
    const QString permanent = m_services.folder->resolve(field);
    if (QFileInfo(permanent).isFile() &&
        copyDataFile(*m_services.folder, *m_services.messages, permanent, workingPath()))
        m_play->show();
}

QString voiceLanguageFor(const QString &characterSetName) {
    static const QList<QPair<QString, QString>> kVoices{
        {QStringLiteral("Central European"), QStringLiteral("cs")},
        {QStringLiteral("Baltic"), QStringLiteral("lt")},
        {QStringLiteral("Greek"), QStringLiteral("el")},
        {QStringLiteral("Turkish"), QStringLiteral("tr")},
        {QStringLiteral("Vietnamese"), QStringLiteral("vi")},
        {QStringLiteral("Russian (Cyrillic)"), QStringLiteral("ru")},
        {QStringLiteral("Hebrew"), QStringLiteral("he")},
        {QStringLiteral("Arabic"), QStringLiteral("ar")},
        {QStringLiteral("Thai"), QStringLiteral("th")},
    };
    for (const auto &[name, code] : kVoices) {
        if (characterSetName.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return code;
    }
    return QStringLiteral("en");
}

} // namespace quillora
