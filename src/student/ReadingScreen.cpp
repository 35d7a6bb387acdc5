#include "student/ReadingScreen.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/MusicChannel.h"
#include "core/services/ProgramStop.h"
#include "core/services/SoundPlayer.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"
#include "student/BookPageWipe.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/NoticePanel.h"
#include "student/PageLayout.h"
#include "student/PrintLayout.h"
#include "student/ReadingPanel.h"
#include "student/ReadingRules.h"
#include "student/ScreenParts.h"

#include <QFileInfo>
#include <QLabel>

#include <algorithm>

namespace quillora {

namespace {

const QColor kReadingColour(0, 64, 64);
const QColor kEndPageColour(238, 238, 238);
constexpr double kOpeningPause = 1.0;
constexpr double kEffectPause = 0.5;
constexpr double kAfterPagePause = 1.0;
constexpr double kAroundTheEndPause = 0.5;
// Below this the clock cannot tell two moments apart; the turn is then complete.
constexpr double kClockGrain = 1e-6;

bool fileExists(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool hasMusic(const QString &name) {
    return !name.trimmed().isEmpty() && name.compare(QLatin1String("none"), Qt::CaseInsensitive);
}

} // namespace

ReadingScreen::ReadingScreen(const StudentContext &context, FlowScope &flows, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_flows(flows)
    , m_panel(new ReadingPanel(context.pictures, this))
    , m_notice(new NoticePanel(this))
    , m_printing(context, flows, this, m_notice) {
    setAccessibleName(QStringLiteral("Reading a Book"));
    setBackground(this, kReadingColour);
    hide();
}

QString ReadingScreen::titleText() const {
    return bookTitleText(m_context.story().storyTitle, m_subtitle);
}

QCoro::Task<> ReadingScreen::read(const QString &bookFile, bool printAllowed) {
    m_printAllowed = printAllowed;
    for (;;) {
        m_panel->buttons()->hideAll();
        m_panel->titlePage()->buttons()->hideAll();
        if (const auto opened = openBook(bookFile); !opened) {
            co_await m_flows(m_context.services.messages->inform(opened.error().text()));
            co_return;
        }
        startStatistics();
        m_position = 1;
        m_atEnd = false;
        showTitlePage();
        startMusic();
        m_panel->picture()->clearPicture();
        m_panel->pageNumber()->clear();
        m_panel->pageText()->clear();
        if (parentWidget())
            setGeometry(parentWidget()->rect());
        centreInParent(m_panel);
        show();
        raise();
        m_panel->titlePage()->raise();
        m_panel->titlePage()->show();
        co_await m_flows(waitSeconds(*m_context.services.clock, kOpeningPause));
        co_await m_context.speakBookTitle(m_flows, m_subtitleRecording);

        if (co_await runAuthorPage() == TitleChoice::Done)
            break;
        if (!co_await runReadingPage())
            break;
        // Read again: the book opens anew at its title page.
    }
    hide();
}

Result<void> ReadingScreen::openBook(const QString &bookFile) {
    StoryTemplate &story = m_context.story();
    auto opened = openBookForReading(story, bookFile, m_context.session().currentStudentName,
                                     *m_context.services.folder, *m_context.services.messages,
                                     *m_context.services.stop);
    if (!opened) {
        if (m_context.services.stop->hasStopped())
            abandonFlow();
        return opened.error();
    }
    m_context.state.book = std::move(opened).value();
    const TemplatePage &last = story.page(m_context.requirePage(m_context.state.book.lastPageId));
    m_subtitle = last.pathSubtitle;
    m_subtitleRecording = last.pathRecording;
    story.bookSubtitle = m_subtitle;
    return {};
}

void ReadingScreen::startStatistics() {
    const StoryTemplate &story = m_context.story();
    m_context.statistics().start(*m_context.services.clock, story.storyTitle);
    StatisticsRecord &record = m_context.statistics().record();
    record.activity = readingActivity();
    record.title = statisticsTitle(story.storyTitle, m_subtitle);
}

void ReadingScreen::showTitlePage() {
    const StoryTemplate &story = m_context.story();
    const ProgramState &state = m_context.state;
    TitlePage &page = *m_panel->titlePage();
    const Rgb ink = state.palette.textColor(story.colorScheme);
    const QColor colour(ink.red, ink.green, ink.blue);
    const bool bold = story.fontBold == 1;
    const bool italic = story.fontItalic == 1;

    const QString title = titleText();
    page.title()->setText(labelText(title));
    setStoryFont(page.title(), story.fontName, titlePageTitlePoints(title), bold, italic);
    setLabelColour(page.title(), colour);
    page.byLine()->setText(state.texts.text(Literal::AuthorWord) + QLatin1Char('\n') +
                           m_context.session().currentStudentName);
    setStoryFont(page.byLine(), story.fontName, 18, bold, italic);
    setLabelColour(page.byLine(), colour);
    page.setGeometry(m_panel->rect());
    page.showStudentPicture(m_context.resolve(m_context.session().profile.studentPicture));
}

void ReadingScreen::startMusic() {
    if (m_context.session().profile.musicOption != 1)
        return;
    MusicChannel &music = *m_context.services.music;
    const QString piece = m_context.story().backgroundMusic;
    if (!hasMusic(piece)) {
        music.setCurrentMusicFile(QString());
        return;
    }
    music.setCurrentMusicFile(m_context.resolve(piece));
    music.startBackgroundMusic();
}

QCoro::Task<ReadingScreen::TitleChoice> ReadingScreen::runAuthorPage() {
    ScanEngine &scan = m_context.scan;
    scan.keys().spacePressed = false;
    scan.keys().enterPressed = false;
    ButtonColumn &buttons = *m_panel->titlePage()->buttons();
    QList<int> items{TitlePage::FirstPage, TitlePage::Done};
    if (m_printAllowed)
        items.append(TitlePage::Print);
    m_context.setButtons(buttons, ScanScreen::AuthorPage, items);
    for (;;) {
        const int choice = co_await m_flows(m_context.choose(buttons, ScanScreen::AuthorPage));
        if (choice == TitlePage::Print) {
            scan.beginAction(buttons);
            co_await printTitlePage();
            scan.endAction(buttons);
            continue;
        }
        scan.highlightItem(buttons, 0);
        if (choice == TitlePage::Done) {
            // Leaving at the title page turned no pages, whatever an earlier reading did.
            StatisticsRecord &record = m_context.statistics().record();
            record.pagesForward = 0;
            record.pagesBack = 0;
            co_await m_context.writeStatistics(m_flows);
            m_context.services.music->closeAllMedia();
            m_panel->titlePage()->hide();
            co_return TitleChoice::Done;
        }
        buttons.hideAll();
        m_panel->titlePage()->hide();
        co_await firstPage();
        co_return TitleChoice::FirstPage;
    }
}

QCoro::Task<> ReadingScreen::firstPage() {
    if (m_context.state.book.bookPageIds.isEmpty()) {
        // A book whose pages were all skipped still has its end.
        co_await showTheEnd();
        co_return;
    }
    m_forward = true;
    co_await showBookPage(m_context.state.book.bookPageIds.first());
}

QList<int> ReadingScreen::readingItems() const {
    if (m_atEnd)
        return {ReadingPanel::PreviousPage, ReadingPanel::Done, ReadingPanel::ReadAgain};
    QList<int> items{ReadingPanel::NextPage, ReadingPanel::ReadAloud};
    if (m_position > 1)
        items.append(ReadingPanel::PreviousPage);
    items.append(ReadingPanel::Done);
    if (m_printAllowed)
        items.append(ReadingPanel::Print);
    return items;
}

void ReadingScreen::setReadingButtons() {
    ScanSet &set = m_context.scan.scanSet();
    set.clearEnabled();
    for (const int item : readingItems())
        set.setEnabled(item, true);
}

QCoro::Task<bool> ReadingScreen::runReadingPage() {
    ScanEngine &scan = m_context.scan;
    ButtonColumn &buttons = *m_panel->buttons();
    m_context.setButtons(buttons, ScanScreen::ReadingPage, readingItems());
    for (;;) {
        const int choice = co_await m_flows(m_context.choose(buttons, ScanScreen::ReadingPage));
        if (choice == ReadingPanel::Done) {
            m_atEnd = false;
            co_await m_context.writeStatistics(m_flows);
            m_context.services.music->closeAllMedia();
            co_return false;
        }
        if (choice == ReadingPanel::ReadAgain) {
            buttons.hideAll();
            m_context.services.music->closeAllMedia();
            co_return true;
        }
        // Presses made while the page turns or speaks are dropped when the buttons return.
        scan.beginAction(buttons);
        switch (choice) {
        case ReadingPanel::NextPage:
            co_await nextBookPage();
            break;
        case ReadingPanel::PreviousPage:
            co_await previousBookPage();
            break;
        case ReadingPanel::ReadAloud:
            co_await readAloud();
            break;
        case ReadingPanel::Print:
            co_await printPage();
            break;
        default:
            break;
        }
        setReadingButtons();
        scan.endAction(buttons);
    }
}

QCoro::Task<> ReadingScreen::nextBookPage() {
    if (m_atEnd)
        co_return;
    ++m_context.statistics().record().pagesForward;
    if (m_position >= m_context.state.book.bookPageIds.size()) {
        co_await showTheEnd();
        co_return;
    }
    ++m_position;
    m_forward = true;
    co_await showBookPage(m_context.state.book.bookPageIds[m_position - 1]);
}

QCoro::Task<> ReadingScreen::previousBookPage() {
    ++m_context.statistics().record().pagesBack;
    if (m_atEnd)
        m_atEnd = false; // back from the end page to the last page
    else
        m_position = std::max(1, m_position - 1);
    if (m_context.state.book.bookPageIds.isEmpty()) {
        co_await showTheEnd();
        co_return;
    }
    m_forward = false;
    co_await showBookPage(m_context.state.book.bookPageIds[m_position - 1]);
}

QColor ReadingScreen::randomColour() {
    std::uniform_int_distribution<int> part(1, 255);
    const int red = part(m_random);
    const int green = part(m_random);
    return QColor(red, green, part(m_random));
}

QCoro::Task<double> ReadingScreen::wipe(QColor colour, bool forward, double seconds) {
    Clock &clock = *m_context.services.clock;
    BookPageWipe &area = *m_panel->picture();
    const double start = clock.now();
    area.beginWipe(colour, forward);
    for (;;) {
        const double elapsed = clock.now() - start;
        if (elapsed >= seconds - kClockGrain) {
            area.setProgress(1.0);
            break;
        }
        area.setProgress(elapsed / seconds);
        co_await m_flows(clock.sleep(std::min(kFrameSeconds, seconds - elapsed)));
    }
    co_return clock.now() - start;
}

QCoro::Task<> ReadingScreen::showBookPage(int pageId) {
    StoryTemplate &story = m_context.story();
    m_context.services.music->checkMusicLoop(m_context.session().profile.musicOption);
    const int slot = m_context.requirePage(pageId);
    story.currentPageIndex = slot;
    story.currentPageId = pageId;
    m_panel->pageNumber()->clear();
    m_panel->pageText()->clear();

    SoundPlayer &sound = *m_context.services.sound;
    ProgramState &state = m_context.state;
    sound.playAsync(m_forward ? QStringLiteral("aobj_turn_page.wav")
                              : QStringLiteral("aobj_turn_page_backward.wav"));
    const double took = co_await wipe(randomColour(), m_forward, kWipeSeconds * state.pageTurnPace);
    // The pace only ever slows a turn that was over too quickly to be seen.
    if (took + kClockGrain < kWipeSeconds)
        state.pageTurnPace += 1;
    co_await m_flows(sound.stop());

    const PageChoice &page = story.page(slot).choice(1);
    if (fileExists(page.picture))
        m_panel->picture()->showPictureFile(page.picture);
    m_panel->pageNumber()->setText(state.texts.text(Literal::PageWord) + QLatin1Char(' ') +
                                   QString::number(m_position));
    showPageText(page.text);
    if (fileExists(page.recording))
        co_await playPageSounds(page.recording, page.soundEffect);
    co_await m_flows(waitSeconds(*m_context.services.clock, kAfterPagePause));
}

void ReadingScreen::showPageText(const QString &text) {
    const StoryTemplate &story = m_context.story();
    QLabel *label = m_panel->pageText();
    const Rgb ink = m_context.state.palette.textColor(story.colorScheme);
    setLabelColour(label, QColor(ink.red, ink.green, ink.blue));
    setStoryFont(label, story.fontName, pageTextPointSize(kLayoutSimple, text), story.fontBold == 1,
                 story.fontItalic == 1);
    label->setText(labelText(text));
}

QCoro::Task<> ReadingScreen::showTheEnd() {
    SoundPlayer &sound = *m_context.services.sound;
    Clock &clock = *m_context.services.clock;
    sound.playAsync(QStringLiteral("aobj_turn_page.wav"));
    co_await wipe(kEndPageColour, true, kWipeSeconds * m_context.state.pageTurnPace);
    m_panel->picture()->showPictureFile(
        m_context.services.folder->filePath(QStringLiteral("aobj_the_end.jpg")));
    m_panel->pageText()->clear();
    m_panel->pageNumber()->clear();
    m_panel->buttons()->hideAll();
    m_atEnd = true;
    setReadingButtons();
    co_await m_flows(waitSeconds(clock, kAroundTheEndPause));
    co_await m_flows(sound.play(QStringLiteral("announce_the_end.wav")));
    co_await m_flows(waitSeconds(clock, kAroundTheEndPause));
    m_context.statistics().record().taskCompleted = true;
}

QCoro::Task<> ReadingScreen::playPageSounds(const QString &recording, const QString &soundEffect) {
    co_await m_flows(m_context.services.sound->play(recording));
    if (soundEffect.isEmpty())
        co_return;
    co_await m_flows(waitSeconds(*m_context.services.clock, kEffectPause));
    co_await m_flows(m_context.services.sound->play(soundEffect));
}

QCoro::Task<> ReadingScreen::readAloud() {
    if (m_atEnd)
        co_return;
    const PageChoice &page = m_context.story().page(m_context.story().currentPageIndex).choice(1);
    co_await playPageSounds(page.recording, page.soundEffect);
}

QCoro::Task<> ReadingScreen::printPage() {
    if (m_context.session().profile.printFormat == 1) {
        co_await m_printing.printScreenShot();
        co_return;
    }
    const StoryTemplate &story = m_context.story();
    const PageChoice &page = story.page(story.currentPageIndex).choice(1);
    // Built before the await: GCC 12 mishandles temporaries of a conditional inside one.
    QString picture;
    if (fileExists(page.picture))
        picture = page.picture;
    PrintJob job = bookPagePrintJob(page.text, picture, m_position,
                                    m_context.state.texts.text(Literal::PageWord));
    co_await m_printing.printLaidOut(std::move(job));
}

QCoro::Task<> ReadingScreen::printTitlePage() {
    const StudentSession &session = m_context.session();
    if (session.profile.printFormat == 1) {
        co_await m_printing.printScreenShot();
        co_return;
    }
    QString picture = m_context.resolve(session.profile.studentPicture);
    if (!fileExists(picture))
        picture.clear();
    PrintJob job = titlePagePrintJob(titleText(), m_context.state.texts.text(Literal::AuthorWord),
                                     session.currentStudentName, picture);
    co_await m_printing.printLaidOut(std::move(job));
}

} // namespace quillora
