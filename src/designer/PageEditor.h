#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"
#include "core/template/PageGraph.h"
#include "designer/ChoicePanel.h"
#include "designer/ThumbnailCache.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillora {

class FollowingPreview;
class NarrationControls;
class NarrationHub;
class PreviousPreview;

// The "Page Details" section (FramePages): the layout bar, three choice panels with the
// previews of where they lead, and the path frame. It edits the current page of the one
// template directly; the page-tree rules live in core and this only calls them and redraws.
class PageEditor : public QWidget {
    Q_OBJECT
public:
    // Without a hub the editor keeps its own microphone.
    PageEditor(const Services &services, StoryTemplate &story, QWidget *parent = nullptr,
               NarrationHub *hub = nullptr);
    ~PageEditor() override;

    // Makes the page current and loads it (ShowPage).
    void showPage(int pageId);
    void loadPageIntoEditor();
    void showPageLayout(int layout);
    void clearPageEditor();
    // True, after the message, while a shown choice of the current page has no picture.
    bool checkPagePictures();
    // Goes to another page the way the navigation buttons do: not while the current page
    // lacks a picture.
    void goToPage(int pageId) { goTo(pageId); }
    // The narration buttons of the current page's choices and path (RefreshRecordingButtons).
    void refreshRecordingButtons();
    NarrationControls *narration(int k) const {
        return m_narration[static_cast<std::size_t>(k - 1)];
    }
    NarrationControls *pathNarration() const { return m_pathNarration; }
    NarrationHub &narrationHub() const { return *m_hub; }
    // Ends whatever the editor waits for (a dialog, a sound effect).
    void abandonFlows() { m_flows.cancel(); }

    ChoicePanel *panel(int k) const { return m_panels[static_cast<std::size_t>(k - 1)]; }
    FollowingPreview *following(int k) const {
        return m_following[static_cast<std::size_t>(k - 1)];
    }
    PreviousPreview *previous() const { return m_previous; }
    QRadioButton *layoutOption(int k) const {
        return m_layoutOptions[static_cast<std::size_t>(k - 1)];
    }
    QLabel *layoutLabel() const { return m_layoutLabel; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QWidget *pathFrame() const { return m_pathFrame; }
    QLineEdit *subtitleBox() const { return m_subtitle; }
    const ChoiceClipboard &clipboard() const { return m_clipboard; }

Q_SIGNALS:
    // The editor needs to be in view (a missing picture is being pointed out).
    void pageDetailsNeeded();
    // The page tree or a page's content changed, or another page is shown.
    void templateEdited();

private:
    QWidget *buildLayoutBar();
    QWidget *buildPathFrame();
    void buildNarration();
    void arrangeButtons(int k);
    void showPreviews(int layout);
    void colourPanel(int k, bool leadsSomewhere);
    void titlePanels(int layout);
    QList<QPixmap> pagePictures(int pageId);
    QPixmap thumbnail(const QString &storedName);
    void showChoicePicture(int k);
    // Whether a page is current: nothing is shown before a template is started or opened.
    bool hasPage() const;
    TemplatePage &page() { return m_story.page(m_story.currentPageIndex); }

    // PageEditorActions.cpp: what the controls do.
    void onAction(int k, ChoicePanel::Action action);
    void onTextEdited(int k);
    void changeLayout(int k);
    void insertAfter(int k);
    void insertBefore();
    void goTo(int pageId);
    void clearPicture(int k);
    void showPictureInfo(int k);
    void clearSoundEffect(int k);
    void refuse(const QString &message);
    QCoro::Task<> deletePageFlow();
    QCoro::Task<> pasteFlow(int k);
    QCoro::Task<> addPictureFlow(int k);
    QCoro::Task<> addSoundEffectFlow(int k);
    QCoro::Task<> playSoundEffectFlow(int k);

    const Services &m_services;
    StoryTemplate &m_story;
    ThumbnailCache m_thumbnails;
    ChoiceClipboard m_clipboard;
    QString m_lastPictureFolder;
    QLabel *m_layoutLabel = nullptr;
    std::array<QRadioButton *, 3> m_layoutOptions{};
    QButtonGroup *m_layoutGroup = nullptr;
    QPushButton *m_deleteButton = nullptr;
    std::array<ChoicePanel *, 3> m_panels{};
    std::array<FollowingPreview *, 3> m_following{};
    PreviousPreview *m_previous = nullptr;
    QWidget *m_pathFrame = nullptr;
    QLineEdit *m_subtitle = nullptr;
    NarrationHub *m_hub = nullptr;
    std::array<NarrationControls *, 3> m_narration{};
    NarrationControls *m_pathNarration = nullptr;
    bool m_loading = false;
    FlowScope m_flows; // last: its flows end before the rest goes
};

// The movie placeholder is shown for names ending in these, whatever their case.
bool isMovieFile(const QString &name);

} // namespace quillora
