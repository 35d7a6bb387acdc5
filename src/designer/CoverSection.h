#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillora {

class NarrationControls;
class NarrationHub;
struct StoryTemplate;

// The Cover section (FrameCover): the title box, the cover picture with its name, and the
// title's narration. The checks of Save read what it shows, not the template.
class CoverSection : public QWidget {
    Q_OBJECT
public:
    CoverSection(const Services &services, StoryTemplate &story, NarrationHub &hub,
                 QWidget *parent = nullptr);
    ~CoverSection() override;

    // The template's title, cover picture and title narration as the template holds them.
    // A stored cover picture that is gone from disk is let go (saving then asks for one).
    void showTemplate();
    void refreshTitleButtons();
    void abandonFlows() { m_flows.cancel(); }

    QLineEdit *titleBox() const { return m_titleBox; }
    QLabel *coverPicture() const { return m_cover; }
    QString coverPictureName() const;
    QPushButton *selectButton() const { return m_select; }
    QPushButton *clearButton() const { return m_clearButton; }
    NarrationControls *narration() const { return m_narration; }

private:
    QCoro::Task<> addCoverPicture();
    void clearCoverPicture();
    void showCover(const QString &path);

    const Services &m_services;
    StoryTemplate &m_story;
    QLineEdit *m_titleBox = nullptr;
    QLabel *m_cover = nullptr;
    QLabel *m_coverName = nullptr;
    QPushButton *m_select = nullptr;
    QPushButton *m_clearButton = nullptr;
    NarrationControls *m_narration = nullptr;
    FlowScope m_flows; // last: its flows end before the rest goes
};

} // namespace quillora
