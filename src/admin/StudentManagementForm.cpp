#include "admin/StudentManagementForm.h"

#include "admin/AssignmentPanel.h"
#include "admin/ProgressPanel.h"
#include "admin/StudentListPanel.h"
#include "admin/StudentOptionsPanel.h"
#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/profiles/StudentFiles.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

// The font the student names are shown in, whatever the language: it carries the scripts
// of every character set the program offers.
const QString kStudentNameFont = u"Lucida Sans Unicode"_s;

void useStudentNameFont(QWidget *widget) {
    QFont font = widget->font();
    font.setFamily(kStudentNameFont);
    widget->setFont(font);
}

} // namespace

StudentManagementForm::StudentManagementForm(const Services &services, ProgramState &state,
                                             ScanEngine &scan, QWidget *parent)
    : FullScreenForm(scan, parent)
    , m_services(services)
    , m_state(state) {
    setWindowTitle(u"Brindlemoor - Quillora Student Functions"_s);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0, 64, 64));
    setPalette(background);

    m_stack = new QStackedWidget(this);
    // Large enough for the charts to be read, small enough for the smallest screen we run on.
    m_stack->setMinimumSize(960, 700);
    m_list = new StudentListPanel(m_stack);
    m_options = new StudentOptionsPanel(m_stack);
    m_assign = new AssignmentPanel(m_stack);
    m_progress = new ProgressPanel(m_stack);
    for (QWidget *panel : {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_options),
                           static_cast<QWidget *>(m_assign), static_cast<QWidget *>(m_progress)})
        m_stack->addWidget(panel);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(m_stack, 0, 0, Qt::AlignCenter);
    connectListPanel();
    connectOtherPanels();
}

StudentManagementForm::~StudentManagementForm() = default;

void StudentManagementForm::connectListPanel() {
    connect(m_list->addButton(), &QPushButton::clicked, this, &StudentManagementForm::addStudent);
    connect(m_list->nameBox(), &QLineEdit::returnPressed, this, &StudentManagementForm::addStudent);
    connect(m_list->removeButton(), &QPushButton::clicked, this,
            [this] { m_flows.start(removeStudent()); });
    connect(m_list->deleteBooksButton(), &QPushButton::clicked, this,
            [this] { m_flows.start(deleteBooks()); });
    connect(m_list->editButton(), &QPushButton::clicked, this, &StudentManagementForm::editOptions);
    connect(m_list->assignButton(), &QPushButton::clicked, this,
            &StudentManagementForm::openAssignments);
    connect(m_list->simpleFormatButton(), &QPushButton::clicked, this,
            [this] { openStatistics(u".sta"_s); });
    connect(m_list->spreadsheetButton(), &QPushButton::clicked, this,
            [this] { openStatistics(u".csv"_s); });
    connect(m_list->progressButton(), &QPushButton::clicked, this,
            &StudentManagementForm::openProgress);
    connect(m_list->mainMenuButton(), &QPushButton::clicked, this,
            &StudentManagementForm::mainMenuRequested);
}

void StudentManagementForm::connectOtherPanels() {
    connect(m_options->saveButton(), &QPushButton::clicked, this,
            &StudentManagementForm::saveOptions);
    connect(m_options->cancelButton(), &QPushButton::clicked, this,
            &StudentManagementForm::cancelOptions);
    connect(m_options->pictureButton(), &QPushButton::clicked, this,
            [this] { m_flows.start(choosePicture()); });
    connect(m_assign->saveButton(), &QPushButton::clicked, this,
            &StudentManagementForm::saveAssignments);
    connect(m_assign->cancelButton(), &QPushButton::clicked, this, [this] { showPanel(m_list); });
    connect(m_progress->saveButton(), &QPushButton::clicked, this,
            [this] { m_flows.start(saveChartsPicture()); });
    connect(m_progress->backButton(), &QPushButton::clicked, this, [this] { showPanel(m_list); });
}

void StudentManagementForm::open() {
    applyCharacterSet();
    const StudentListing listing = listStudents(*m_services.folder);
    m_list->setStudentNames(listing.names);
    m_list->nameBox()->clear();
    showPanel(m_list);
    reportAll(listing.unreadable, u"These student profiles cannot be read, so their students "
                                  "are not listed:"_s);
}

void StudentManagementForm::applyCharacterSet() {
    useStudentNameFont(m_list->nameBox());
    useStudentNameFont(m_list->studentList());
    useStudentNameFont(m_options->nameBox());
    // The template titles are story texts: they follow the language chosen for the stories.
    if (m_state.characterSet.changesLabels()) {
        useStudentNameFont(m_assign->heading());
        useStudentNameFont(m_assign->templateList());
    }
}

QWidget *StudentManagementForm::currentPanel() const {
    return m_stack->currentWidget();
}

void StudentManagementForm::refillList() {
    m_list->setStudentNames(listStudents(*m_services.folder).names);
}

void StudentManagementForm::showPanel(QWidget *panel) {
    m_stack->setCurrentWidget(panel);
    if (panel == m_list)
        m_list->studentList()->setFocus();
    else if (QWidget *first = panel->nextInFocusChain(); first && panel->isAncestorOf(first))
        first->setFocus();
}

void StudentManagementForm::report(const FileError &error) {
    (void)m_services.messages->inform(error.text());
}

void StudentManagementForm::reportAll(const QList<FileError> &errors, const QString &opening) {
    if (errors.isEmpty())
        return;
    QString text = opening;
    for (const FileError &error : errors)
        text += u"\n"_s + error.text();
    (void)m_services.messages->inform(text);
}

FileDialogRequest StudentManagementForm::dialogRequest(const QString &title,
                                                       const QString &filter) const {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.startFolder = m_services.folder->root();
    return request;
}

QString StudentManagementForm::selectedOrSay(const QString &message) {
    const QString name = m_list->selectedName();
    if (name.isEmpty())
        (void)m_services.messages->inform(message);
    return name;
}

void StudentManagementForm::addStudent() {
    Messages &messages = *m_services.messages;
    const AppFolder &folder = *m_services.folder;
    // Names are what the logon list shows: one without letters would be a blank line there.
    const QString name = m_list->nameBox()->text().trimmed();
    if (name.isEmpty()) {
        (void)messages.inform(u"Please type the new student's name first"_s);
        return;
    }
    if (studentNameExists(folder, name)) {
        (void)messages.inform(u"A student by this name exists already, please enter a new name"_s);
        return;
    }
    const int number = newStudentNumber(folder, *m_services.stop);
    if (number == 0)
        return;
    StudentSession &session = m_state.session;
    session.profile = StudentProfile();
    session.profile.studentNumber = number;
    if (auto saved = saveStudentOptionsPlus(session, name, folder); !saved) {
        report(saved.error());
        return;
    }
    if (auto read = readStudentOptionsPlus(session, name, folder, messages); !read) {
        report(read.error());
        return;
    }
    refillList();
    m_list->nameBox()->clear();
    m_options->showProfile(session.profile, name);
    (void)messages.inform(name + u" has been added successfully. \r"_s +
                          u"you will be presented with a screen to customize "_s + name +
                          u"'s options"_s);
    showPanel(m_options);
}

QCoro::Task<> StudentManagementForm::removeStudent() {
    const QString name = m_list->selectedName();
    Messages &messages = *m_services.messages;
    if (isTeacher(name)) {
        (void)messages.inform(u"'Teacher' is the default student, 'Teacher' cannot be deleted"_s);
        co_return;
    }
    if (name.isEmpty()) {
        (void)messages.inform(u"A student must be highlighted"_s);
        co_return;
    }
    if (!co_await m_flows(
            messages.askOkCancel(u"Are you sure you want to delete the student : "_s + name)))
        co_return;
    const int number = findStudentNumber(*m_services.folder, messages, name);
    if (number == 0)
        co_return;
    const DeletionReport removed = removeStudentFiles(*m_services.folder, number);
    refillList();
    m_state.session.currentStudentName = teacherName();
    reportAll(removed.failures, u"Some of the student's files could not be deleted:"_s);
}

QCoro::Task<> StudentManagementForm::deleteBooks() {
    const QString name = selectedOrSay(u"A student must be highlighted"_s);
    if (name.isEmpty())
        co_return;
    Messages &messages = *m_services.messages;
    if (!co_await m_flows(messages.askOkCancel(
            u"Are you sure you want to delete all of the books for student : "_s + name)))
        co_return;
    const int number = findStudentNumber(*m_services.folder, messages, name);
    if (number == 0)
        co_return;
    const DeletionReport deleted = deleteStudentBooks(*m_services.folder, number);
    reportAll(deleted.failures, u"Some of the books could not be deleted:"_s);
    const int count = deleted.booksDeleted;
    if (count == 0)
        (void)messages.inform(u"No books were deleted for student "_s + name);
    else if (count == 1)
        (void)messages.inform(u"1 book was deleted for student "_s + name);
    else
        (void)messages.inform(QString::number(count) + u" books were deleted for student "_s +
                              name);
}

void StudentManagementForm::editOptions() {
    const QString name = selectedOrSay(u"Please select a student"_s);
    if (name.isEmpty())
        return;
    StudentSession &session = m_state.session;
    session.currentStudentName = name;
    // A profile that cannot be read is not edited: saving would replace what is left of it.
    if (auto read = readStudentOptionsPlus(session, name, *m_services.folder, *m_services.messages);
        !read) {
        // Without a profile at all the look-up has said so already.
        if (!read.error().file.isEmpty())
            report(read.error());
        return;
    }
    m_options->showProfile(session.profile, name);
    showPanel(m_options);
}

void StudentManagementForm::saveOptions() {
    Messages &messages = *m_services.messages;
    const AppFolder &folder = *m_services.folder;
    StudentSession &session = m_state.session;
    // The default student keeps its name whatever the box holds.
    const QString name =
        isTeacher(session.currentStudentName) ? teacherName() : m_options->typedName();
    if (name.isEmpty()) {
        (void)messages.inform(u"Error\nStudent Name is Blank"_s);
        return;
    }
    if (name != session.currentStudentName && studentNameExists(folder, name)) {
        (void)messages.inform(
            u"Error\nCan not change the student name\nThe name entered is already taken"_s);
        return;
    }
    session.profile = m_options->gathered();
    if (auto saved = saveStudentOptionsPlus(session, name, folder); !saved) {
        report(saved.error());
        return;
    }
    (void)messages.inform(u"Options saved for student "_s + name);
    (void)readStudentOptionsPlus(session, name, folder, messages);
    refillList();
    showPanel(m_list);
}

void StudentManagementForm::cancelOptions() {
    StudentSession &session = m_state.session;
    (void)readStudentOptionsPlus(session, session.currentStudentName, *m_services.folder,
                                 *m_services.messages);
    showPanel(m_list);
}

QCoro::Task<> StudentManagementForm::choosePicture() {
    const QString path = co_await m_flows(m_services.fileDialogs->openFile(
        dialogRequest(u"Add / Modify Student Picture"_s, u"pictures (*.bmp *.jpg)"_s)));
    if (path.isEmpty())
        co_return;
    if (!m_options->showPicture(path))
        (void)m_services.messages->inform(
            u"This file cannot be shown as a picture, so the student's picture stays as it "
            "was:\n"_s +
            path);
}

} // namespace quillora
