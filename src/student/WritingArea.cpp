#include "student/WritingArea.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/SoundPlayer.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"
#include "student/CoverChoice.h"
#include "student/NoticePanel.h"
#include "student/PageView.h"
#include "student/PictureCache.h"
#include "student/TopicScreen.h"
#include "student/WritingScreen.h"

#include <QTimer>

#include <algorithm>

namespace quillora {

using namespace Qt::StringLiterals;

WritingArea::WritingArea(const StudentContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context) {
    setAccessibleName(u"Write a Book"_s);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 102, 136));
    setPalette(colours);

    m_topicScreen = new TopicScreen(m_context.pictures, this);
    m_writingScreen = new WritingScreen(m_context.pictures, this);
    m_coverChoice = new CoverChoice(m_context.pictures, this);
    m_notice = new NoticePanel(this);
    for (QWidget *screen :
         {static_cast<QWidget *>(m_topicScreen), static_cast<QWidget *>(m_writingScreen),
          static_cast<QWidget *>(m_coverChoice)})
        screen->hide();
    connect(m_topicScreen, &TopicScreen::itemClicked, this,
            [this](int item) { onItemClicked(m_topicScreen, item); });
    connect(m_writingScreen, &WritingScreen::itemClicked, this,
            [this](int item) { onItemClicked(m_writingScreen, item); });
    connect(m_coverChoice, &CoverChoice::itemClicked, this,
            [this](int item) { onItemClicked(m_coverChoice, item); });
    connect(m_writingScreen->pageView(), &PageView::readAloudClicked, this,
            &WritingArea::onReadAloud);
    hide();
}

WritingArea::~WritingArea() = default;

AsyncOp<void> WritingArea::run() {
    Promise<void> done;
    if (m_running) {
        done.resolve();
        return done.op();
    }
    m_running = true;
    if (QWidget *screen = parentWidget())
        setGeometry(screen->rect());
    m_writingScreen->setGeometry(rect());
    m_writingScreen->pageView()->setGeometry(m_writingScreen->rect());
    m_coverChoice->setGeometry(rect());
    m_flows.start(writeFlow(done));
    return done.op();
}

AsyncOp<int> WritingArea::chooseItem(ScanDisplay &display, ScanScreen screen, PageSpeech speech) {
    ++m_choicesAsked;
    if (m_context.scanning())
        return m_context.scan.choose(display, ScanRequest{screen, 1, std::move(speech)});
    // Mouse users: the next click on a shown button of this screen. Clicks that arrive while
    // the screen is busy find no one waiting and are dropped, so a double click never
    // starts two actions.
    Promise<int> click;
    m_click = click;
    m_clickScreen = &display;
    return click.op();
}

void WritingArea::onItemClicked(ScanDisplay *display, int item) {
    if (!m_click || display != m_clickScreen || !m_context.scan.scanSet().isEnabled(item))
        return;
    const Promise<int> click = *std::exchange(m_click, std::nullopt);
    m_clickScreen = nullptr;
    click.resolve(item);
}

void WritingArea::onReadAloud(int choice) {
    const int slot = story().currentPageIndex;
    if (story().currentPageId == 0 || !StoryTemplate::isSlot(slot))
        return;
    m_context.services.sound->playAsync(story().page(slot).choice(choice).recording);
}

void WritingArea::setTopicButtons() {
    ScanSet &set = m_context.scan.scanSet();
    fillScanScreen(set, m_context.scan.announcements(), ScanScreen::Topic);
    const auto count = static_cast<int>(m_topics.size());
    set.setEnabled(TopicScreen::WriteThisTopic, true);
    set.setEnabled(TopicScreen::NextTopic, m_currentTopic < count);
    set.setEnabled(TopicScreen::PreviousTopic, m_currentTopic >= 2);
    set.setEnabled(TopicScreen::StudentMenu, true);
    for (int item = 1; item <= TopicScreen::kItemCount; ++item) {
        m_topicScreen->showItemPicture(item, set.picture(item), false);
        m_topicScreen->setItemVisible(item, set.isEnabled(item));
    }
}

void WritingArea::showTopic() {
    const Topic &topic = m_topics[m_currentTopic - 1];
    const QString counter = m_context.state.texts.counter(Literal::TopicWord, m_currentTopic,
                                                          static_cast<int>(m_topics.size()));
    m_topicScreen->showTopic(topic, m_context.services.folder->resolve(topic.coverPicture),
                             counter);
}

void WritingArea::showPageAt(int slot) {
    PageLook look;
    look.palette = m_context.state.palette;
    look.rightToLeft = m_context.state.characterSet.rightAlignsPageTexts();
    look.mouseUser = !m_context.scanning();
    look.caption = text(Literal::NowChoose);
    m_writingScreen->hideButtons();
    m_writingScreen->pageView()->showPage(story(), slot, look);
}

void WritingArea::setWritingButtons() {
    WritingPageFacts facts;
    const int slot = story().currentPageIndex;
    facts.endPage = story().currentPageId == 0 || !StoryTemplate::isSlot(slot);
    if (!facts.endPage) {
        const TemplatePage &page = story().page(slot);
        facts.layout = page.layout;
        facts.firstPage = page.choice(1).prevPageId == 0;
    }
    facts.skipPages = m_context.session().profile.skipPages;
    m_writingScreen->setWritingButtons(facts, m_context.scan.scanSet(),
                                       m_context.scan.announcements());
    if (!facts.endPage)
        QTimer::singleShot(0, this, &WritingArea::prefetchFollowingPages);
}

void WritingArea::prefetchFollowingPages() {
    const int slot = story().currentPageIndex;
    if (story().currentPageId == 0 || !StoryTemplate::isSlot(slot))
        return;
    const TemplatePage &page = story().page(slot);
    for (int choice = 1; choice <= std::min(page.layout, kChoicesPerPage); ++choice) {
        const int next = page.choice(choice).nextPageId;
        const int nextSlot = next == 0 ? 0 : story().findPageIndex(next);
        if (nextSlot == 0)
            continue;
        const TemplatePage &following = story().page(nextSlot);
        const QSize size = following.layout == kLayoutSimple ? simplePagePlaces().picture.size()
                                                             : decisionCardPlaces().picture.size();
        for (int shown = 1; shown <= std::min(following.layout, kChoicesPerPage); ++shown)
            (void)m_context.pictures.scaled(following.choice(shown).picture, size);
    }
}

void WritingArea::prepareCoverButtons() {
    m_coverChoice->prepare(text(Literal::ChooseBookCover), story().storyTitle, story().fontName);
    ScanSet &set = m_context.scan.scanSet();
    fillScanScreen(set, m_context.scan.announcements(), ScanScreen::CoverColour);
    for (int item = 1; item <= CoverChoice::kItemCount; ++item) {
        set.setEnabled(item, true);
        m_coverChoice->showItemPicture(item, set.picture(item), false);
        m_coverChoice->setItemVisible(item, true);
    }
}

void WritingArea::backToStudentMenu() {
    m_click.reset();
    m_clickScreen = nullptr;
    m_notice->hide();
    m_topicScreen->hide();
    m_writingScreen->hide();
    m_coverChoice->hide();
    hide();
}

} // namespace quillora
