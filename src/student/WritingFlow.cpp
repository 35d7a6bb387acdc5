// The write flow itself: the steps a teacher would describe, one coroutine each. The screens
// and the choosing live in WritingArea.cpp.
#include "student/WritingArea.h"

#include "core/AppFolder.h"
#include "core/Counters.h"
#include "core/ProgramState.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"
#include "core/services/SoundPlayer.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"
#include "core/template/TemplateFile.h"
#include "student/CoverChoice.h"
#include "student/NoticePanel.h"
#include "student/PageView.h"
#include "student/PictureCache.h"
#include "student/TopicScreen.h"
#include "student/WritingItems.h"
#include "student/WritingScreen.h"

#include <QFile>
#include <QScopeGuard>

namespace quillora {

using namespace Qt::StringLiterals;

QCoro::Task<> WritingArea::writeFlow(Promise<void> done) {
    const auto finished = qScopeGuard([this, done] {
        backToStudentMenu();
        m_running = false;
        done.resolve();
    });
    co_await runTopicScreen();
}

// Reads the topics the student may write from. A template or an assignment file that cannot
// be used is named for the teacher; false when nothing is left to write from.
QCoro::Task<bool> WritingArea::offerTopics() {
    const AppFolder &folder = *m_context.services.folder;
    const int student = m_context.session().profile.studentNumber;
    TopicListing listing = loadTopics(folder, student);
    if (!listing.topics.isEmpty()) {
        if (!listing.unreadable.isEmpty())
            co_await tellTeacherOnce(unreadableTemplatesMessage(listing.unreadable));
        m_topics = std::move(listing.topics);
        co_return true;
    }
    QString problem = noTopicsMessage();
    if (listing.assignmentsError)
        problem = listing.assignmentsError->text();
    else if (listing.assignmentsNameOnlyMissing)
        problem = onlyMissingAssignedMessage(folder, student);
    else if (!listing.unreadable.isEmpty())
        problem = unreadableTemplatesMessage(listing.unreadable);
    co_await m_flows(m_context.services.messages->inform(problem));
    co_return false;
}

QCoro::Task<> WritingArea::tellTeacherOnce(QString problem) {
    if (m_reported.contains(problem))
        co_return;
    m_reported.insert(problem);
    co_await m_flows(m_context.services.messages->inform(problem));
}

QCoro::Task<> WritingArea::runTopicScreen() {
    const Services &services = m_context.services;
    if (!co_await offerTopics())
        co_return;
    m_currentTopic = 1;
    showTopic();
    m_topicScreen->setHeading(text(Literal::ChooseTopic));
    m_topicScreen->move((width() - m_topicScreen->width()) / 2,
                        (height() - m_topicScreen->height()) / 2);
    setTopicButtons();
    show();
    raise();
    m_topicScreen->show();
    co_await playToEnd(u"announce_topic_for_book.wav"_s);
    const QString narration = m_topics.front().coverNarration;
    if (!narration.isEmpty() && QFile::exists(services.folder->resolve(narration)))
        co_await playToEnd(narration);

    m_context.scan.keys().assumeReleased(false);
    for (;;) {
        setTopicButtons();
        switch (co_await m_flows(chooseItem(*m_topicScreen, ScanScreen::Topic))) {
        case TopicScreen::WriteThisTopic:
            // A story that cannot be opened leaves the student on the topic screen.
            if (co_await startWriting() != WritingEnd::NotStarted)
                co_return;
            m_writingScreen->hide();
            m_topicScreen->show();
            break;
        case TopicScreen::NextTopic:
            co_await changeTopic(+1);
            break;
        case TopicScreen::PreviousTopic:
            co_await changeTopic(-1);
            break;
        default:
            co_return;
        }
    }
}

QCoro::Task<> WritingArea::changeTopic(int step) {
    m_currentTopic = std::clamp(m_currentTopic + step, 1, static_cast<int>(m_topics.size()));
    showTopic();
    setTopicButtons();
    co_await pause(0.5);
    co_await playToEnd(m_topics[m_currentTopic - 1].coverNarration);
}

QCoro::Task<WritingEnd> WritingArea::startWriting() {
    const Services &services = m_context.services;
    const Topic &topic = m_topics[m_currentTopic - 1];
    m_writingScreen->setGeometry(rect());
    if (auto loaded = loadTemplate(story(), topic.storyId, TemplateLoadMode::Reading,
                                   *services.folder, *services.messages);
        !loaded) {
        co_await m_flows(services.messages->inform(loaded.error().text()));
        co_return WritingEnd::NotStarted;
    }
    const int first = requireFirstPage();
    // A book counter that cannot be used is mended (or named) before the child writes, not
    // after the whole book is written.
    if (const QString notice = prepareBookNumbering(*services.folder); !notice.isEmpty())
        co_await tellTeacherOnce(notice);
    m_progress = WritingProgress{};
    story().currentPageIndex = first;
    story().currentPageId = story().page(first).pageId;
    co_await showTemplatePage(story().page(first).layout);
    m_topicScreen->hide();
    m_writingScreen->show();
    m_writingScreen->raise();
    co_await announcePage();
    m_context.statistics().start(*services.clock, story().storyTitle);
    co_return co_await runWriting();
}

QCoro::Task<WritingEnd> WritingArea::runWriting() {
    setWritingButtons();
    m_context.scan.keys().assumeReleased(false);
    for (;;) {
        const int slot = story().currentPageIndex;
        const bool onPage = story().currentPageId != 0 && StoryTemplate::isSlot(slot);
        PageSpeech speech = onPage ? pageSpeech(story().page(slot)) : PageSpeech{};
        const int item =
            co_await m_flows(chooseItem(*m_writingScreen, ScanScreen::WritingPage, speech));
        switch (item) {
        case FirstChoice:
        case SecondChoice:
        case ThirdChoice:
            co_await takeChoice(item);
            break;
        case WriteAndSave:
            if (m_progress.anyPageWritten) {
                co_await writeAndSave();
                co_return WritingEnd::Saved;
            }
            co_await noPagesWritten();
            break;
        case SkipPage:
            co_await skipPage();
            break;
        case StartOver:
            co_await startOver();
            break;
        case BackToMenu:
            co_await leaveWriting();
            co_return WritingEnd::LeftToMenu;
        default:
            break;
        }
    }
}

QCoro::Task<> WritingArea::takeChoice(int item) {
    const TemplatePage &page = story().page(story().currentPageIndex);
    m_progress.direction = PageDirection::Forward;
    if (page.layout == kLayoutSimple) {
        m_progress.anyPageWritten = true;
        ++m_context.statistics().record().pagesForward;
        const QStringList lines{text(Literal::Writing)};
        co_await showNotice(m_context.pictures.artwork(u"aobj_pencil.jpg"_s), lines,
                            u"aobj_printer.wav"_s);
    } else {
        const QStringList lines{text(Literal::ChoiceForward)};
        co_await showNotice(QPixmap(), lines, u"aobj_bell.wav"_s);
    }
    co_await goToPage(followLink(page.choice(item).nextPageId));
}

// The slot a link leads to. No page (0) leads to a free slot, which shows the end page; a
// page the story no longer has stops the program.
int WritingArea::followLink(int pageId) {
    if (pageId == 0)
        return story().findPageIndex(0);
    return m_context.requirePage(pageId);
}

// A story without a first page cannot be written at all: the program stops.
int WritingArea::requireFirstPage() {
    const int first = firstPageSlot(story());
    if (first == 0) {
        m_context.services.stop->stop(
            u"Critical Error: The first page of the story wasn't found"_s);
        abandonFlow();
    }
    return first;
}

QCoro::Task<> WritingArea::goToPage(int slot) {
    const bool isPage = StoryTemplate::isSlot(slot);
    story().currentPageIndex = slot;
    story().currentPageId = isPage ? story().page(slot).pageId : 0;
    co_await showTemplatePage(isPage ? story().page(slot).layout : kLayoutFree);
    co_await announcePage();
    setWritingButtons();
}

QCoro::Task<> WritingArea::goToFirstPage() {
    co_await goToPage(requireFirstPage());
}

QCoro::Task<> WritingArea::showTemplatePage(int layout) {
    if (layout == kLayoutFree) {
        m_writingScreen->hideButtons();
        m_writingScreen->pageView()->showEndPage();
        m_progress.reachedEnd = true;
        co_await playToEnd(u"announce_the_end.wav"_s);
        co_await pause(0.5);
        co_return;
    }
    m_progress.lastShownPageIndex = story().currentPageIndex;
    m_progress.shownLayout = layout;
    showPageAt(story().currentPageIndex);
}

QCoro::Task<> WritingArea::announcePage() {
    const int slot = story().currentPageIndex;
    if (!StoryTemplate::isSlot(slot))
        co_return;
    const TemplatePage &page = story().page(slot);
    if (page.layout > kLayoutSimple) {
        co_await playToEnd(u"announce_now_choose.wav"_s);
        co_await pause(0.5);
    }
    if (page.choice(1).nextPageId == 0 && !m_progress.reachedEnd) {
        co_await playToEnd(u"announce_last_page.wav"_s);
        co_await pause(0.5);
    }
    // Switch users hear a picture's narration when the scan reaches it.
    if (!m_context.scanning() && page.layout == kLayoutSimple) {
        const PageChoice &choice = page.choice(1);
        co_await playToEnd(choice.recording);
        if (!choice.soundEffect.isEmpty()) {
            co_await pause(0.5);
            co_await playToEnd(choice.soundEffect);
        }
    }
}

QCoro::Task<> WritingArea::skipPage() {
    const TemplatePage &page = story().page(story().currentPageIndex);
    m_progress.skippedPages.append(story().currentPageId);
    co_await goToPage(followLink(page.choice(1).nextPageId));
}

QCoro::Task<> WritingArea::startOver() {
    m_progress.forgetPages();
    m_progress.direction = PageDirection::Back;
    ++m_context.statistics().record().pagesBack;
    const QStringList lines{text(Literal::Erasing)};
    co_await showNotice(m_context.pictures.artwork(u"aobj_eraser.jpg"_s), lines,
                        u"aobj_undoing.wav"_s);
    co_await goToFirstPage();
}

QCoro::Task<> WritingArea::noPagesWritten() {
    const QStringList lines{text(Literal::Oops), text(Literal::NoPagesWritten),
                            text(Literal::StartOver)};
    co_await showNotice(QPixmap(), lines, u"announce_no_pages_read.wav"_s);
    m_progress.forgetPages();
    co_await goToFirstPage();
}

QCoro::Task<> WritingArea::writeAndSave() {
    co_await playToEnd(u"aobj_bell.wav"_s);
    m_writingScreen->hide();
    const QStringList compiling{text(Literal::CompilingPages)};
    m_notice->present(QPixmap(), compiling);
    co_await playToEnd(u"announce_compiling_pages.wav"_s);
    co_await pause(0.1);
    co_await playToEnd(u"aobj_stapling_pages.wav"_s);
    co_await pause(1);
    m_notice->hide();

    StatisticsRecord &record = m_context.statistics().record();
    record.title = titleWithSubtitle(story(), m_progress.lastShownPageIndex);
    prepareCoverButtons();
    if (!m_context.scanning())
        co_await showCoverChoice();
    record.taskCompleted = true;
    co_await m_context.writeStatistics(m_flows);
    if (m_context.scanning())
        co_await showCoverChoice();
    const int colour = co_await m_flows(chooseItem(*m_coverChoice, ScanScreen::CoverColour));
    if (m_context.scanning())
        co_await playToEnd(u"aobj_bell.wav"_s);
    co_await saveTheBook(colour);
}

QCoro::Task<> WritingArea::showCoverChoice() {
    m_coverChoice->setGeometry(rect());
    m_coverChoice->show();
    m_coverChoice->raise();
    co_await playToEnd(u"announce_choose_book_cover.wav"_s);
    co_await pause(1);
    m_context.scan.keys().assumeReleased(false);
}

QCoro::Task<> WritingArea::saveTheBook(int coverColour) {
    const Services &services = m_context.services;
    const BookDraft draft{m_progress.lastShownPageIndex, m_progress.skippedPages, coverColour};
    QString counterNotice;
    auto book = saveBook(story(), draft, m_context.session().profile,
                         m_context.session().currentStudentName, *services.folder, *services.stop,
                         &counterNotice);
    if (!book) {
        if (services.stop->hasStopped())
            abandonFlow();
        // The child hears it; the teacher reads which file is at fault. Nothing else changes.
        co_await playToEnd(u"announce_book_not_saved.wav"_s);
        co_await m_flows(
            services.messages->inform(u"The book could not be saved.\n"_s + book.error().text()));
        co_return;
    }
    if (!counterNotice.isEmpty())
        co_await tellTeacherOnce(counterNotice);
    m_coverChoice->hide();
    const QStringList lines{text(Literal::StorySaved)};
    co_await showNotice(QPixmap(), lines, u"announce_book_added.wav"_s);
}

QCoro::Task<> WritingArea::leaveWriting() {
    // A mouse user's log names the path walked so far; a switch user's names the story.
    if (!m_context.scanning())
        m_context.statistics().record().title =
            titleWithSubtitle(story(), m_progress.lastShownPageIndex);
    co_await m_context.writeStatistics(m_flows);
}

QCoro::Task<> WritingArea::showNotice(QPixmap picture, QStringList lines, QString sound) {
    m_notice->present(picture, lines);
    co_await playToEnd(sound);
    m_notice->hide();
}

QCoro::Task<> WritingArea::playToEnd(QString sound) {
    try {
        co_await m_flows(m_context.services.sound->play(sound));
    } catch (const Cancelled &) {
        throw;
    } catch (const std::exception &) {
        // A sound that could not be played is silence; the story goes on.
    }
}

QCoro::Task<> WritingArea::pause(double seconds) {
    co_await m_flows(waitSeconds(*m_context.services.clock, seconds));
}

} // namespace quillora
