#include "student/CollectionScreen.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/book/PersonalBook.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"
#include "core/services/SoundPlayer.h"
#include "core/template/TemplateFile.h"
#include "student/ButtonColumn.h"
#include "student/CollectionPanels.h"
#include "student/NoticePanel.h"
#include "student/ReadingScreen.h"
#include "student/ScreenParts.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScopeGuard>

namespace quillora {

namespace {

const QColor kScreenColour(0, 153, 204);
constexpr double kDeletedNoticeSeconds = 2.0;

QString existingFile(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

} // namespace

CollectionScreen::CollectionScreen(const StudentContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context) {
    setAccessibleName(QStringLiteral("Book Collection"));
    setBackground(this, kScreenColour);
    m_panel = new CollectionPanel(m_context.pictures, this);
    m_reading = new ReadingScreen(m_context, m_flows, this);
    m_yesNo = new YesNoPanel(m_context.pictures, this);
    m_yesNo->hide();
    m_deleted = new NoticePanel(this);
    hide();
}

// The flows end first (the scope is the last member), while every panel still exists.
CollectionScreen::~CollectionScreen() = default;

AsyncOp<void> CollectionScreen::open(bool deleteMode, bool printAllowed) {
    if (m_done)
        m_done->fail(std::make_exception_ptr(Cancelled{}));
    m_flows.cancel();
    Promise<void> done;
    m_done = done;
    m_printAllowed = printAllowed;
    m_flows.start(run(deleteMode));
    return done.op();
}

QCoro::Task<> CollectionScreen::run(bool deleteMode) {
    // However the collection ends (the student leaves, or the program stops), it hides.
    const auto finished = qScopeGuard([this] { finish(); });
    co_await openCollection(deleteMode);
}

void CollectionScreen::finish() {
    m_reading->hide();
    m_yesNo->hide();
    m_deleted->hide();
    hide();
    if (auto done = std::exchange(m_done, std::nullopt))
        done->resolve();
}

QCoro::Task<> CollectionScreen::openCollection(bool deleteMode) {
    m_deleteMode = deleteMode;
    m_bookDeleted = false;
    m_books = buildBookList(*m_context.services.folder, m_context.session().profile.studentNumber);
    if (m_books.isEmpty())
        co_return; // the menu offers no books to a student without any
    m_index = 1;
    showCollectionBook(m_index);
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    centreInParent(m_panel);
    setCollectionButtons();
    const InterfaceTexts &texts = m_context.state.texts;
    m_panel->setHeading(texts.text(deleteMode ? Literal::DeleteHeading : Literal::ReadHeading));
    m_panel->show();
    show();
    raise();
    SoundPlayer &sound = *m_context.services.sound;
    // Named first: GCC 12 mishandles temporaries of a conditional inside an await.
    const QString prompt = deleteMode ? QStringLiteral("announce_choose_delete_collection.wav")
                                      : QStringLiteral("announce_choose_read_collection.wav");
    co_await m_flows(sound.play(prompt));
    co_await speakBookTitle();

    ButtonColumn &buttons = *m_panel->buttons();
    for (;;) {
        setCollectionButtons();
        const int choice = co_await m_flows(m_context.choose(buttons, ScanScreen::Collection));
        m_context.scan.highlightItem(buttons, 0);
        switch (choice) {
        case CollectionPanel::NextBook:
        case CollectionPanel::PreviousBook:
            m_index += choice == CollectionPanel::NextBook ? 1 : -1;
            m_index = std::clamp(m_index, 1, static_cast<int>(m_books.size()));
            showCollectionBook(m_index);
            setCollectionButtons();
            co_await speakBookTitle();
            break;
        case CollectionPanel::Read:
            m_panel->hide();
            co_await m_reading->read(m_books[m_index - 1].fileName, m_printAllowed);
            showCollectionBook(m_index);
            m_panel->show();
            break;
        case CollectionPanel::Delete:
            if (co_await deleteBook())
                co_return;
            break;
        default: // the student menu
            co_return;
        }
    }
}

void CollectionScreen::showCollectionBook(int index) {
    const BookListEntry &entry = m_books[index - 1];
    const AppFolder &folder = *m_context.services.folder;
    const InterfaceTexts &texts = m_context.state.texts;
    StoryTemplate &story = m_context.story();
    CoverView view;
    view.counter = texts.counter(Literal::BookWord, index, static_cast<int>(m_books.size()));
    view.author = texts.text(Literal::AuthorWord) + QLatin1Char(' ') +
                  m_context.session().currentStudentName.trimmed();
    m_subtitleRecording.clear();

    PersonalBook book;
    auto loaded = loadBook(book, folder, entry.fileName);
    if (loaded)
        loaded = loadTemplate(story, book.storyId, TemplateLoadMode::Reading, folder,
                              *m_context.services.messages);
    if (!loaded) {
        // A book that cannot be read still shows, so the child can move on or delete it.
        static_cast<void>(m_context.services.messages->inform(loaded.error().text()));
        view.coverPicture = folder.filePath(coverPictureName(book.coverColor));
        m_panel->showBook(view);
        return;
    }
    const TemplatePage &last = story.page(m_context.requirePage(book.lastPageId));
    const TemplatePage &lastListed = story.page(m_context.requirePage(book.lastListedPageId()));
    story.bookSubtitle = last.pathSubtitle;
    m_subtitleRecording = last.pathRecording;

    view.coverPicture = folder.filePath(coverPictureName(book.coverColor));
    view.title = bookTitleText(story.storyTitle, last.pathSubtitle);
    view.titlePoints = coverTitlePoints(view.title);
    view.fontName = story.fontName;
    view.bold = story.fontBold == 1;
    view.italic = story.fontItalic == 1;
    view.templateCover = existingFile(m_context.resolve(story.coverPicture));
    view.lastPagePicture = existingFile(lastListed.choice(1).picture);
    view.version =
        texts.text(Literal::VersionWord) + QLatin1Char(' ') + QString::number(book.bookVersion);
    m_panel->showBook(view);
}

void CollectionScreen::setCollectionButtons() {
    QList<int> items;
    items.append(m_deleteMode ? CollectionPanel::Delete : CollectionPanel::Read);
    if (m_index < m_books.size())
        items.append(CollectionPanel::NextBook);
    if (m_index > 1)
        items.append(CollectionPanel::PreviousBook);
    items.append(CollectionPanel::StudentMenu);
    m_context.setButtons(*m_panel->buttons(), ScanScreen::Collection, items);
}

QCoro::Task<> CollectionScreen::speakBookTitle() {
    co_await m_context.speakBookTitle(m_flows, m_subtitleRecording);
}

QCoro::Task<bool> CollectionScreen::deleteBook() {
    const InterfaceTexts &texts = m_context.state.texts;
    const bool scanning = m_context.scanning();
    SoundPlayer &sound = *m_context.services.sound;
    if (scanning)
        co_await m_flows(sound.play(QStringLiteral("announce_are_you_sure_delete.wav")));
    const QString question =
        texts.text(scanning ? Literal::DeleteQuestionScanning : Literal::DeleteQuestionMouse);
    const bool yes = co_await askYesNo(question);
    if (!yes)
        co_return false;

    const QString path = m_context.services.folder->filePath(m_books[m_index - 1].fileName);
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        // Telling the child the book is gone while it is still there would be a lie.
        co_await m_flows(m_context.services.messages->inform(
            FileError{QStringLiteral("The book could not be deleted"), path}.text()));
        co_return false;
    }
    m_bookDeleted = true;
    m_deleted->present(QPixmap(), {texts.text(Literal::StoryDeleted)});
    if (scanning)
        co_await m_flows(sound.play(QStringLiteral("announce_book_deleted.wav")));
    else
        co_await m_flows(waitSeconds(*m_context.services.clock, kDeletedNoticeSeconds));
    m_deleted->hide();
    co_return true;
}

QCoro::Task<bool> CollectionScreen::askYesNo(const QString &question) {
    m_yesNo->question()->setText(question);
    ButtonColumn &buttons = *m_yesNo->buttons();
    m_context.setButtons(buttons, ScanScreen::YesNo, {1, 2});
    centreInParent(m_yesNo);
    m_yesNo->raise();
    m_yesNo->show();
    const int answer = co_await m_flows(m_context.choose(buttons, ScanScreen::YesNo));
    m_yesNo->hide();
    co_return answer == 1;
}

} // namespace quillora
