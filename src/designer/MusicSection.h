#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillora {

struct StoryTemplate;

// The "Background Music" section (FrameBackgroundMusic). Its four buttons follow the music:
// none (only Select), chosen (Select, Preview, Clear), previewing (only Stop).
class MusicSection : public QWidget {
    Q_OBJECT
public:
    MusicSection(const Services &services, StoryTemplate &story, QWidget *parent = nullptr);
    ~MusicSection() override;

    // The template's music as its name, the buttons as for music chosen or none.
    void showTemplate();
    // Entering the section: a running preview has been ended (StopCapture); Preview and
    // Clear are offered again when music is chosen.
    void entered();
    // Ends a running preview; nothing happens when none runs.
    void endPreview();
    bool previewing() const;
    void abandonFlows() { m_flows.cancel(); }

    QString musicName() const;
    QPushButton *selectButton() const { return m_select; }
    QPushButton *previewButton() const { return m_preview; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *clearButton() const { return m_clear; }

private:
    QCoro::Task<> selectMusic();
    void previewMusic();
    void clearMusic();
    void showChosen(bool chosen);

    const Services &m_services;
    StoryTemplate &m_story;
    QLabel *m_name = nullptr;
    QPushButton *m_select = nullptr;
    QPushButton *m_preview = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_clear = nullptr;
    FlowScope m_flows; // last: its flows end before the rest goes
};

} // namespace quillora
