#pragma once

#include "core/async/FlowScope.h"
#include "core/scanning/ScanScreens.h"
#include "core/template/TemplateLibrary.h"
#include "student/StudentContext.h"
#include "student/WritingProgress.h"

#include <QList>
#include <QSet>
#include <QWidget>

#include <optional>

namespace quillora {

class CoverChoice;
class NoticePanel;
class PictureCache;
class ScanDisplay;
class ScanEngine;
class TopicScreen;
class WritingScreen;
struct StoryTemplate;

// How a walk through a story ended.
enum class WritingEnd { Saved, LeftToMenu, NotStarted };

// Writing a book, from the student menu's write button back to the student menu: the topic
// screen, the pages of the chosen story, the feedback panels between them, the cover colour
// and the saved book. Every screen is worked by click or by the switch scan, as the
// student's profile says; every step speaks.
class WritingArea : public QWidget {
    Q_OBJECT
public:
    WritingArea(const StudentContext &context, QWidget *parent);
    ~WritingArea() override;

    // Runs the whole write flow over the student menu and completes when the student is
    // back at the menu, with or without a new book. The student menu rebuilds itself then.
    AsyncOp<void> run();
    bool isRunning() const { return m_running; }
    // Ends the write flow where it is (the program is stopping).
    void abandonFlows() { m_flows.cancel(); }

    TopicScreen *topicScreen() const { return m_topicScreen; }
    WritingScreen *writingScreen() const { return m_writingScreen; }
    CoverChoice *coverChoice() const { return m_coverChoice; }
    NoticePanel *noticePanel() const { return m_notice; }
    const WritingProgress &progress() const { return m_progress; }
    const QList<Topic> &topics() const { return m_topics; }
    int currentTopic() const { return m_currentTopic; }
    StoryTemplate &story() const { return m_context.story(); }

    // How many times a screen has asked the student to choose, and whether a click is
    // awaited now: what a test or an outside driver waits for before it acts.
    int choicesAsked() const { return m_choicesAsked; }
    bool isWaitingForClick() const { return m_click.has_value(); }

    // The picture on the page: the part of choosing that the benchmark times.
    void showPageAt(int slot);
    // Decodes the pictures of the pages the page on show leads to, while its narration
    // plays, so the next page appears at once whichever picture the child chooses.
    void prefetchFollowingPages();

private:
    // Flow steps (WritingFlow.cpp).
    QCoro::Task<> writeFlow(Promise<void> done);
    QCoro::Task<> runTopicScreen();
    QCoro::Task<> changeTopic(int step);
    QCoro::Task<WritingEnd> startWriting();
    QCoro::Task<WritingEnd> runWriting();
    QCoro::Task<> takeChoice(int item);
    QCoro::Task<> goToPage(int slot);
    QCoro::Task<> goToFirstPage();
    QCoro::Task<> showTemplatePage(int layout);
    QCoro::Task<> announcePage();
    QCoro::Task<> skipPage();
    QCoro::Task<> startOver();
    QCoro::Task<> noPagesWritten();
    QCoro::Task<> writeAndSave();
    QCoro::Task<> saveTheBook(int coverColour);
    QCoro::Task<> showCoverChoice();
    QCoro::Task<> leaveWriting();
    QCoro::Task<> tellTeacherOnce(QString problem);
    QCoro::Task<bool> offerTopics();
    QCoro::Task<> showNotice(QPixmap picture, QStringList lines, QString sound);
    QCoro::Task<> playToEnd(QString sound);
    QCoro::Task<> pause(double seconds);
    int followLink(int pageId);
    int requireFirstPage();

    // Screens and choosing (WritingArea.cpp).
    AsyncOp<int> chooseItem(ScanDisplay &display, ScanScreen screen, PageSpeech speech = {});
    void onItemClicked(ScanDisplay *display, int item);
    void onReadAloud(int choice);
    void setTopicButtons();
    void showTopic();
    void setWritingButtons();
    void prepareCoverButtons();
    void backToStudentMenu();
    QString text(Literal which) const { return m_context.text(which); }

    const StudentContext &m_context;

    TopicScreen *m_topicScreen = nullptr;
    WritingScreen *m_writingScreen = nullptr;
    CoverChoice *m_coverChoice = nullptr;
    NoticePanel *m_notice = nullptr;

    QList<Topic> m_topics;
    // Problems the teacher has been told about in this run, so a child is not shown the same
    // message at every book.
    QSet<QString> m_reported;
    int m_currentTopic = 0;
    WritingProgress m_progress;
    bool m_running = false;
    int m_choicesAsked = 0;
    // The screen waiting for a click and the promise the click settles (mouse users only).
    ScanDisplay *m_clickScreen = nullptr;
    std::optional<Promise<int>> m_click;
    FlowScope m_flows; // last: the flows unwind before the screens go
};

} // namespace quillora
