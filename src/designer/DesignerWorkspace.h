#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QStackedLayout;

namespace quillora {

class PageEditor;
class PictureButton;
struct StoryTemplate;

// The designer: four section frames (Cover, Color Scheme, Background Music, Page Details)
// over a bottom row of section buttons, the save button and the way back to the menu.
class DesignerWorkspace : public QWidget {
    Q_OBJECT
public:
    // The buttons of the bottom row, left to right.
    enum RowButton { Cover, ColorScheme, BackgroundMusic, PageDetails, Save, MainMenu };
    static constexpr int kRowButtons = 6;

    DesignerWorkspace(const Services &services, StoryTemplate &story, QWidget *parent = nullptr);
    ~DesignerWorkspace() override;

    // The designer's part of a new template: the model is ready; show its first page and the
    // Cover section.
    void openNewTemplate();
    // A template loaded from its file: shown on the given page with the Cover section.
    void openLoadedTemplate(int pageId);

    // Section names as the teacher reads them on the buttons' pictures.
    void showSection(const QString &name);
    void markSectionButton(const QString &name);
    QString currentSection() const { return m_section; }

    // Asks, then returns to the teacher menu without saving (LeaveDesigner).
    void leaveDesigner();
    void abandonFlows();

    PageEditor *pageEditor() const { return m_pageEditor; }
    PictureButton *rowButton(RowButton which) const {
        return m_rowButtons[static_cast<std::size_t>(which)];
    }
    QWidget *sectionFrame(const QString &name) const;
    QLineEdit *titleBox() const { return m_titleBox; }

Q_SIGNALS:
    // The teacher confirmed leaving; the working copies are gone.
    void left();

private:
    QWidget *buildButtonRow();
    QWidget *buildCoverFrame();
    QWidget *placeholderFrame(const QString &objectName, const QString &heading);
    QCoro::Task<> leaveFlow();

    const Services &m_services;
    StoryTemplate &m_story;
    QStackedLayout *m_sections = nullptr;
    QWidget *m_cover = nullptr;
    QWidget *m_colorScheme = nullptr;
    QWidget *m_music = nullptr;
    PageEditor *m_pageEditor = nullptr;
    QLineEdit *m_titleBox = nullptr;
    std::array<PictureButton *, kRowButtons> m_rowButtons{};
    QString m_section;
    FlowScope m_flows; // last: its flows end before the rest goes
};

} // namespace quillora
