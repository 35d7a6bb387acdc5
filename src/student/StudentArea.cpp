#include "student/StudentArea.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Messages.h"
#include "student/CollectionScreen.h"
#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/StudentMenu.h"
#include "student/WritingArea.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QScopeGuard>

namespace quillora {

namespace {

// A profile with an access mode the program does not know is worked by mouse: a scan that
// cannot run would otherwise choose its first button again and again.
ScanSettings settingsFor(const StudentProfile &profile) {
    ScanSettings settings = scanSettings(profile);
    if (settings.accessMode != kAccessStepScanning && settings.accessMode != kAccessTimedScanning)
        settings.accessMode = kAccessMouse;
    return settings;
}

QString settingsText(const ScanSettings &settings) {
    switch (settings.accessMode) {
    case kAccessStepScanning:
        return QStringLiteral("Step Scanning - <Space> steps, <Enter> Selects");
    case kAccessTimedScanning:
        return QStringLiteral("Timed Scanning - Interval = ") +
               QString::number(settings.scanSeconds) + QStringLiteral(" Seconds   <Enter> Selects");
    default:
        return QStringLiteral("Mouse Click or Touch Window");
    }
}

} // namespace

StudentArea::StudentArea(const StudentContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context) {
    setAccessibleName(QStringLiteral("Student"));
    const AppFolder &folder = *context.services.folder;
    m_menu = new StudentMenu(context.pictures, this);
    m_menu->hide();
    m_logon = new LogonPanel(folder, this);
    m_logon->hide();
    m_writing = new WritingArea(context, this);
    m_collection = new CollectionScreen(context, this);
    connect(m_logon, &LogonPanel::logonClicked, this, [this] {
        // While one logon waits at the notice, a second press of "Logon" is no new logon.
        if (!m_loggingOn)
            m_flows.start(logOnStudent());
    });
    connect(m_logon, &LogonPanel::mainMenuClicked, this, &StudentArea::leaveToMainMenu);
    connect(m_menu, &StudentMenu::buttonClicked, this, &StudentArea::onMenuButton);
}

QSize StudentArea::screenSize() const {
    return parentWidget() ? parentWidget()->size() : size();
}

void StudentArea::openLogon() {
    m_flows.cancel();
    fillLogonList();
    setGeometry(QRect(QPoint(0, 0), screenSize()));
    m_menu->hide();
    m_logon->escapeNotice()->hide();
    const QSize screen = screenSize();
    m_logon->move((screen.width() - m_logon->width()) / 2,
                  (screen.height() - m_logon->height()) / 2);
    show();
    raise();
    m_logon->show();
    m_logon->studentList()->setFocus();
}

void StudentArea::fillLogonList() {
    const StudentListing listing = listStudents(*m_context.services.folder);
    m_logon->setStudentNames(listing.names);
    // A profile that cannot be read is named once, so the teacher knows why a child is missing.
    QStringList problems;
    for (const FileError &unreadable : listing.unreadable) {
        if (!m_reportedProfiles.contains(unreadable.file)) {
            m_reportedProfiles.insert(unreadable.file);
            problems.append(unreadable.text());
        }
    }
    if (!problems.isEmpty()) {
        (void)m_context.services.messages->inform(
            QStringLiteral("These student profiles cannot be read, so their students are not "
                           "listed:\n\n") +
            problems.join(QLatin1Char('\n')));
    }
    if (m_context.session().currentStudentName.isEmpty())
        m_context.session().currentStudentName = teacherName();
}

QCoro::Task<> StudentArea::logOnStudent() {
    if (m_logon->selectedName().isEmpty()) {
        static_cast<void>(
            m_context.services.messages->inform(QStringLiteral("Please select a Student")));
        co_return;
    }
    {
        m_loggingOn = true;
        const auto done = qScopeGuard([this] { m_loggingOn = false; });
        m_logon->showEscapeNotice();
        co_await m_flows(m_logon->escapeNotice()->waitForContinue());
    }
    m_logon->escapeNotice()->hide();
    // The teacher may pick another name while the notice is up: the one selected now counts.
    const QString name = m_logon->selectedName();
    if (name.isEmpty()) {
        co_await m_flows(
            m_context.services.messages->inform(QStringLiteral("Please select a Student")));
        co_return;
    }
    m_logon->hide();
    if (!readProfile(name)) {
        // The teacher picks another name; nothing of the last logon has changed.
        m_logon->show();
        co_return;
    }
    m_menu->show();
    m_context.scan.keys().escapeRequested = false;
    co_await runStudentMenu();
}

bool StudentArea::readProfile(const QString &name) {
    Messages &messages = *m_context.services.messages;
    const AppFolder &folder = *m_context.services.folder;
    // The logon's look-up says so itself when no profile carries the name.
    if (findStudentNumber(folder, messages, name, LookupWording::Logon) == 0)
        return false;
    StudentSession read;
    if (auto loaded = readStudentOptionsPlus(read, name, folder, messages, LookupWording::Logon);
        !loaded) {
        static_cast<void>(messages.inform(loaded.error().text()));
        return false;
    }
    m_context.session().profile = read.profile;
    m_context.session().currentStudentName = name;
    m_context.scan.setSettings(settingsFor(m_context.session().profile));
    return true;
}

bool StudentArea::studentHasBooks() const {
    const QString pattern =
        QStringLiteral("mystory_%1_*.msy").arg(m_context.session().profile.studentNumber);
    return !QDir(m_context.services.folder->root()).entryList({pattern}, QDir::Files).isEmpty();
}

void StudentArea::showStudentMenu() {
    AnnouncementTable &announcements = m_context.scan.announcements();
    ScanSet &set = m_context.scan.scanSet();
    fillScanScreen(set, announcements, ScanScreen::StudentMenu);
    m_menu->clear();
    const bool hasBooks = studentHasBooks();
    m_deleteMode = false;

    const bool offersDelete = hasBooks && m_logon->deleteOption()->isChecked();
    set.setCount(offersDelete ? 3 : 2);
    set.setEnabled(kMenuWriteBook, true);
    set.setEnabled(kMenuReadBook, hasBooks);
    set.setEnabled(kMenuDeleteBook, offersDelete);
    for (int item = 1; item <= set.count(); ++item)
        m_menu->showItemPicture(item, set.picture(item), false);

    setGeometry(QRect(QPoint(0, 0), screenSize()));
    m_menu->setGeometry(rect());
    m_menu->layOutButtons(1 + int(hasBooks) + int(offersDelete));
    for (int item = 1; item <= StudentMenu::kButtonCount; ++item)
        m_menu->setItemVisible(item, set.isEnabled(item));

    const ScanSettings settings = m_context.scan.settings();
    m_menu->showSettings(settingsText(settings));
    const QString suffix = m_context.state.texts.text(Literal::CollectionSuffix);
    const QString &name = m_context.session().currentStudentName;
    m_menu->showNameTitle(m_context.state.characterSet.rightToLeft() ? suffix + name
                                                                     : name + suffix);
}

bool StudentArea::isStudentMenuShown() const {
    return isVisible() && m_menu->isVisible();
}

QCoro::Task<> StudentArea::runStudentMenu() {
    showStudentMenu();
    KeyFlags &keys = m_context.scan.keys();
    keys.escapeReleased = true;
    // A mouse user's menu acts on clicks from here on.
    if (m_context.scan.settings().accessMode == kAccessMouse)
        co_return;
    keys.assumeReleased(false);
    for (;;) {
        const int choice = co_await m_flows(
            m_context.scan.choose(*m_menu, ScanRequest{ScanScreen::StudentMenu, 1, {}}));
        if (choice == kScanEscapeChoice) {
            leaveToMainMenu();
            co_return;
        }
        if (choice == kMenuWriteBook)
            co_await writeBook();
        else
            co_await openCollection(choice);
        showStudentMenu();
    }
}

QCoro::Task<> StudentArea::writeBook() {
    chooseMenuAction(kMenuWriteBook);
    // The writing screens cover the menu until the student is back, with or without a book.
    m_menu->hide();
    co_await m_flows(m_writing->run());
    showStudentMenu();
    m_menu->show();
}

void StudentArea::onMenuButton(int item) {
    // In the scanning modes the switches choose; a click must not start a second action.
    if (m_context.scan.settings().accessMode != kAccessMouse || m_context.scan.isScanning())
        return;
    if (m_writing->isRunning() || m_collection->isOpen())
        return;
    if (item == kMenuWriteBook)
        m_flows.start(writeBook());
    else
        m_flows.start(openCollection(item));
}

QCoro::Task<> StudentArea::openCollection(int item) {
    chooseMenuAction(item);
    // The collection covers the menu until the student is back; a deleted book may have
    // been the last one, so the menu is built afresh.
    m_menu->hide();
    co_await m_flows(m_collection->open(m_deleteMode, m_logon->printOption()->isChecked()));
    showStudentMenu();
    m_menu->show();
}

void StudentArea::chooseMenuAction(int item) {
    if (item == kMenuReadBook || item == kMenuDeleteBook)
        m_deleteMode = item == kMenuDeleteBook;
    // The writing and collection screens take over from here.
    Q_EMIT menuActionChosen(item);
}

void StudentArea::abandonFlows() {
    m_flows.cancel();
    m_writing->abandonFlows();
    m_collection->abandonFlows();
}

void StudentArea::escapePressed() {
    if (m_context.scan.settings().accessMode == kAccessMouse && isStudentMenuShown())
        leaveToMainMenu();
}

void StudentArea::leaveToMainMenu() {
    m_menu->hide();
    m_logon->hide();
    hide();
    Q_EMIT mainMenuRequested();
}

} // namespace quillora
