#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QStackedLayout;

namespace quillora {

class ColorSchemeSection;
class CoverSection;
class MusicSection;
class NarrationHub;
class PageEditor;
class PictureButton;
struct ProgramState;
struct SaveRefusal;
class StoryMapView;
struct StoryTemplate;

// The designer: four section frames (Cover, Color Scheme, Background Music, Page Details)
// over a bottom row of section buttons, the save button and the way back to the menu.
class DesignerWorkspace : public QWidget {
    Q_OBJECT
public:
    // The buttons of the bottom row, left to right.
    enum RowButton { Cover, ColorScheme, BackgroundMusic, PageDetails, Save, MainMenu };
    static constexpr int kRowButtons = 6;

    DesignerWorkspace(const Services &services, ProgramState &state, QWidget *parent = nullptr);
    ~DesignerWorkspace() override;

    // The designer's part of a new template: the model is ready; show its first page and the
    // Cover section.
    void openNewTemplate();
    // A template loaded from its file: shown on the given page with the Cover section, its
    // title, cover, colours, font, music and narration as stored (ShowLoadedHeader).
    void openLoadedTemplate(int pageId);

    // Section names as the teacher reads them on the buttons' pictures.
    void showSection(const QString &name);
    void markSectionButton(const QString &name);
    QString currentSection() const { return m_section; }

    // The Save button: checks, then writes the template (SaveTemplateClicked).
    void saveTemplate();
    // Abandons a recording in progress and ends a music preview.
    void stopCapture();

    // Asks, then returns to the teacher menu without saving (LeaveDesigner).
    void leaveDesigner();
    void abandonFlows();

    PageEditor *pageEditor() const { return m_pageEditor; }
    CoverSection *coverSection() const { return m_cover; }
    ColorSchemeSection *colorSchemeSection() const { return m_colorScheme; }
    MusicSection *musicSection() const { return m_music; }
    StoryMapView *storyMap() const { return m_map; }
    NarrationHub &narrationHub() const { return *m_hub; }
    PictureButton *rowButton(RowButton which) const {
        return m_rowButtons[static_cast<std::size_t>(which)];
    }
    QWidget *sectionFrame(const QString &name) const;
    QLineEdit *titleBox() const;

Q_SIGNALS:
    // The teacher confirmed leaving; the working copies are gone.
    void left();
    // A save wrote the template file.
    void templateSaved(int storyId);

private:
    QWidget *buildButtonRow();
    QWidget *buildPagesArea();
    void onSectionButton(const QString &name);
    void showRefusal(const SaveRefusal &refusal);
    void prepareVoice();
    QCoro::Task<> leaveFlow();

    const Services &m_services;
    ProgramState &m_state;
    StoryTemplate &m_story;
    NarrationHub *m_hub = nullptr;
    QStackedLayout *m_sections = nullptr;
    CoverSection *m_cover = nullptr;
    ColorSchemeSection *m_colorScheme = nullptr;
    MusicSection *m_music = nullptr;
    PageEditor *m_pageEditor = nullptr;
    StoryMapView *m_map = nullptr;
    QWidget *m_pagesArea = nullptr;
    std::array<PictureButton *, kRowButtons> m_rowButtons{};
    QString m_section;
    FlowScope m_flows; // last: its flows end before the rest goes
};

} // namespace quillora
