#include "app/Quillora.h"

#include "admin/ExportImportPanels.h"
#include "admin/LibraryPanels.h"
#include "admin/StudentManagementForm.h"
#include "app/ProgramEnd.h"
#include "app/TeacherPanels.h"
#include "cabinets/GcabCabinets.h"
#include "core/ScreenCheck.h"
#include "core/StrayFiles.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/MusicChannel.h"
#include "core/upload/UploadSettings.h"
#include "designer/TeacherForm.h"
#include "designer/TeacherMenu.h"
#include "media/MediaServices.h"
#include "media/RealClock.h"
#include "student/StudentForm.h"
#include "ui/DesktopShell.h"
#include "ui/FullScreen.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtMessages.h"
#include "ui/QtPrinterService.h"
#include "upload/CurlUploader.h"

#include <QApplication>
#include <QDir>

namespace quillora {

Quillora::Quillora(AppFolder folder)
    : m_folder(std::move(folder))
    , m_lock(m_folder.filePath(QStringLiteral("quillora.lock")))
    , m_clock(std::make_unique<RealClock>())
    , m_messages(std::make_unique<QtMessages>())
    , m_fileDialogs(std::make_unique<QtFileDialogs>())
    , m_shell(std::make_unique<DesktopShell>())
    , m_printer(std::make_unique<QtPrinterService>())
    , m_stop(std::make_unique<ProgramEnd>(*m_messages, [this] { silenceEverything(); }))
    , m_cabinets(std::make_unique<GcabCabinets>())
    , m_uploader(std::make_unique<CurlUploader>()) {
    m_services.folder = &m_folder;
    m_services.clock = m_clock.get();
    m_services.messages = m_messages.get();
    m_services.fileDialogs = m_fileDialogs.get();
    m_services.shell = m_shell.get();
    m_services.printer = m_printer.get();
    m_services.stop = m_stop.get();
    m_services.cabinets = m_cabinets.get();
    m_services.uploader = m_uploader.get();
}

Quillora::~Quillora() {
    // The forms go before the services they use.
    m_teacherForm.reset();
    m_studentManagement.reset();
    m_studentForm.reset();
    m_scan.reset();
    m_media.reset();
}

void Quillora::setMessages(Messages *messages) {
    m_services.messages = messages;
    m_stop->setMessages(*messages);
}

void Quillora::setPrintToPdf(const QString &path) {
    m_printer->setPdfOutput(path);
}

bool Quillora::lockFolder(QString *problem) {
    m_lock.setStaleLockTime(0); // a copy that crashed leaves a lock that names a dead process
    if (m_lock.tryLock(0)) {
        // Only now is no other copy saving here: what a killed save left behind can go.
        removeStrayTemporaryFiles(m_folder);
        return true;
    }
    if (problem) {
        const QString folder = QDir::toNativeSeparators(m_folder.root());
        // Only a lock held by another process means another copy; anything else means the lock
        // file could not be made: the folder is write-protected or the disk is full.
        *problem = m_lock.error() == QLockFile::LockFailedError
                       ? QStringLiteral("Quillora is already running with the application folder "
                                        "%1.\n\nPlease use the copy that is open, or close it "
                                        "first.")
                             .arg(folder)
                       : QStringLiteral("Quillora cannot write to the application folder %1.\n\n"
                                        "The folder may be write-protected, or the disk may be "
                                        "full. Nothing can be saved there, so Quillora will not "
                                        "start. Please free some space or allow writing to the "
                                        "folder, then start Quillora again.")
                             .arg(folder);
    }
    return false;
}

bool Quillora::start(QSize screenSize) {
    if (!screenIsLargeEnough(screenSize.width(), screenSize.height())) {
        (void)m_services.messages->inform(
            screenTooSmallMessage(screenSize.width(), screenSize.height()));
        return false;
    }

    m_media = createMediaServices(m_folder, *m_services.messages);
    m_services.sound = &m_media->sound();
    m_services.music = &m_media->music();
    m_services.recorder = &m_media->recorder();
    m_services.voice = &m_media->voice();
    m_scan = std::make_unique<ScanEngine>(*m_services.clock, *m_services.sound);

    m_studentForm = std::make_unique<StudentForm>(m_services, m_state, *m_scan);
    m_messages->setParentWidget(m_studentForm.get());
    m_fileDialogs->setParentWidget(m_studentForm.get());
    QObject::connect(m_studentForm.get(), &StudentForm::exitRequested, [this] { quit(); });
    QObject::connect(m_studentForm.get(), &FullScreenForm::closing, [this] { quit(); });
    m_studentForm->resize(screenSize);
    m_studentForm->startUp();
    showFullScreenOnScreen(m_studentForm.get());
    m_studentForm->becameActive();
    wireTeacherForm(screenSize);
    wireStudentManagement();
    return true;
}

void Quillora::wireStudentManagement() {
    m_studentManagement = std::make_unique<StudentManagementForm>(m_services, m_state, *m_scan);
    QObject::connect(m_studentForm.get(), &StudentForm::studentDataRequested,
                     [this] { openStudentManagement(); });
    QObject::connect(m_studentManagement.get(), &StudentManagementForm::mainMenuRequested,
                     [this] { closeStudentManagement(); });
    QObject::connect(m_studentManagement.get(), &FullScreenForm::closing,
                     [this] { closeStudentManagement(); });
}

void Quillora::openStudentManagement() {
    m_messages->setParentWidget(m_studentManagement.get());
    m_fileDialogs->setParentWidget(m_studentManagement.get());
    m_studentManagement->resize(m_studentForm->size());
    showFullScreenOnScreen(m_studentManagement.get());
    m_studentManagement->raise();
    m_studentManagement->activateWindow();
    m_studentManagement->open();
}

void Quillora::closeStudentManagement() {
    m_studentManagement->hide();
    m_messages->setParentWidget(m_studentForm.get());
    m_fileDialogs->setParentWidget(m_studentForm.get());
    m_studentForm->activateWindow();
    m_studentForm->becameActive();
}

void Quillora::wireTeacherForm(QSize screenSize) {
    m_teacherForm = std::make_unique<TeacherForm>(m_services, m_state, *m_scan);
    m_teacherForm->resize(screenSize);
    m_teacherPanels = std::make_unique<TeacherPanels>(m_services, m_state, *m_teacherForm);
    QObject::connect(m_studentForm.get(), &StudentForm::teacherFunctionsRequested,
                     [this] { openTeacherForm(); });
    QObject::connect(m_teacherForm.get(), &TeacherForm::mainMenuRequested,
                     [this] { closeTeacherForm(); });
    QObject::connect(m_teacherForm.get(), &FullScreenForm::closing, [this] { closeTeacherForm(); });
    QObject::connect(m_teacherForm.get(), &TeacherForm::functionRequested,
                     [this](int which) { openTeacherFunction(which); });
}

QString Quillora::webSiteAddress() const {
    Result<UploadSettings> settings = readUploadSettings(m_folder);
    return settings ? settings->website.trimmed() : QString();
}

void Quillora::openTeacherFunction(int which) {
    switch (which) {
    case TeacherMenu::ModifyTemplate:
        openLibraryPanel(LibraryPanel::Modify);
        break;
    case TeacherMenu::DeleteTemplate:
        openLibraryPanel(LibraryPanel::Delete);
        break;
    case TeacherMenu::ExportTemplate:
        openLibraryPanel(LibraryPanel::Export);
        break;
    case TeacherMenu::ImportTemplate: {
        auto *panel = new ImportPanel(m_services);
        QObject::connect(panel, &ImportPanel::finished, m_teacherForm.get(),
                         &TeacherForm::closePanel);
        m_teacherForm->showPanel(panel);
        panel->start();
        break;
    }
    case TeacherMenu::CheckLibrary: {
        auto *panel = new LibraryCheckPanel(m_services, m_state);
        QObject::connect(panel, &LibraryCheckPanel::finished, m_teacherForm.get(),
                         &TeacherForm::closePanel);
        QObject::connect(panel, &LibraryCheckPanel::templateLoaded, m_teacherForm.get(),
                         &TeacherForm::openLoadedTemplate);
        m_teacherForm->showPanel(panel);
        break;
    }
    case TeacherMenu::WebSite:
        if (!m_services.shell->openAddress(webSiteAddress()))
            (void)m_services.messages->inform(
                QStringLiteral("The web site could not be opened: no web browser was found"));
        break;
    case TeacherMenu::Upload:
        m_teacherPanels->openUpload();
        break;
    case TeacherMenu::Language:
        m_teacherPanels->openLanguage();
        break;
    default:
        // Hidden buttons cannot be pressed; a function not built yet does nothing.
        break;
    }
}

void Quillora::openLibraryPanel(int mode) {
    LibraryPanel *panel =
        LibraryPanel::open(static_cast<LibraryPanel::Mode>(mode), m_services, m_state);
    if (!panel)
        return; // the library is empty, and the teacher has been told
    QObject::connect(panel, &LibraryPanel::finished, m_teacherForm.get(), &TeacherForm::closePanel);
    QObject::connect(panel, &LibraryPanel::templateLoaded, m_teacherForm.get(),
                     &TeacherForm::openLoadedTemplate);
    m_teacherForm->showPanel(panel);
}

void Quillora::openTeacherForm() {
    // Message boxes and dialogs belong to the form the teacher sees.
    m_messages->setParentWidget(m_teacherForm.get());
    m_fileDialogs->setParentWidget(m_teacherForm.get());
    m_teacherForm->showMenu();
    // The address may have been set up since the form was last open.
    m_teacherForm->menu()->offerWebSite(!webSiteAddress().isEmpty());
    showFullScreenOnScreen(m_teacherForm.get());
    m_teacherForm->raise();
    m_teacherForm->activateWindow();
    m_studentForm->hide();
}

void Quillora::closeTeacherForm() {
    m_teacherForm->abandonFlows();
    m_messages->setParentWidget(m_studentForm.get());
    m_fileDialogs->setParentWidget(m_studentForm.get());
    showFullScreenOnScreen(m_studentForm.get());
    m_studentForm->raise();
    m_studentForm->activateWindow();
    m_teacherForm->hide();
    m_studentForm->becameActive();
}

void Quillora::silenceEverything() {
    if (m_studentForm)
        m_studentForm->abandonFlows();
    if (m_teacherForm)
        m_teacherForm->abandonFlows();
    if (m_services.music)
        m_services.music->closeAllMedia();
}

void Quillora::quit() {
    if (m_services.music)
        m_services.music->closeAllMedia();
    QApplication::quit();
}

} // namespace quillora
