#include "student/StudentForm.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/services/Messages.h"
#include "core/services/MusicChannel.h"
#include "core/services/Shell.h"
#include "core/services/SoundPlayer.h"
#include "student/PictureCache.h"
#include "student/StoryLabels.h"
#include "student/StudentArea.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTimer>

namespace quillora {

StudentForm::StudentForm(const Services &services, ProgramState &state, ScanEngine &scan,
                         QWidget *parent)
    : FullScreenForm(scan, parent)
    , m_pictures(std::make_unique<PictureCache>(*services.folder))
    , m_context{services, state, scan, *m_pictures} {
    setWindowTitle(QStringLiteral("Quillora"));
    setAccessibleName(QStringLiteral("Quillora"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(70, 130, 180));
    setPalette(background);

    m_mainMenu = new MainMenu(*services.folder, this);
    connect(m_mainMenu, &MainMenu::buttonPressed, this, &StudentForm::onMainMenuButton);
}

StudentForm::~StudentForm() {
    // The student's screens and their flows go while the scan they use still exists.
    delete std::exchange(m_studentArea, nullptr);
}

StudentArea *StudentForm::studentArea() {
    if (!m_studentArea) {
        m_studentArea = new StudentArea(m_context, this);
        m_studentArea->hide();
        connect(m_studentArea, &StudentArea::mainMenuRequested, m_mainMenu, &QWidget::show);
        applyCharacterSet(m_studentArea, m_context.state.characterSet);
    }
    return m_studentArea;
}

void StudentForm::abandonFlows() {
    if (m_studentArea)
        m_studentArea->abandonFlows();
}

void StudentForm::startUp() {
    const AppFolder &folder = *m_context.services.folder;
    QDir root(folder.root());
    for (const QString &name : {QStringLiteral("exports"), QStringLiteral("disk1")}) {
        if (!root.exists(name) && !root.mkdir(name))
            report(FileError{QStringLiteral("The working folder cannot be created"), name});
    }
    m_context.state.pageTurnPace = 1.0;
    m_context.state.palette = initPalette();

    // The main menu covers the whole form from its top left corner.
    m_mainMenu->setGeometry(rect());
    m_mainMenu->layOut();

    if (auto setting = readCharacterSetting(folder))
        m_context.state.characterSet = *setting;
    else
        report(setting.error()); // the screens keep the default language
    if (m_studentArea)
        applyCharacterSet(m_studentArea, m_context.state.characterSet);
    m_mainMenu->show();
}

void StudentForm::becameActive() {
    m_mainMenu->hideLoading();
    if (auto loaded = m_context.state.texts.load(*m_context.services.folder);
        !loaded && !m_textsProblemReported) {
        m_textsProblemReported = true;
        report(loaded.error());
    }
    if (!m_logoMusicStarted) {
        m_logoMusicStarted = true;
        // Loading the synthesiser's instruments takes a noticeable moment: let the menu appear
        // first, then the tune.
        if (isVisible())
            m_tuneAfterFirstPaint = true;
        else
            startLogoTune();
    }
}

void StudentForm::paintEvent(QPaintEvent *event) {
    QWidget::paintEvent(event);
    if (std::exchange(m_tuneAfterFirstPaint, false))
        QTimer::singleShot(0, this, &StudentForm::startLogoTune);
}

void StudentForm::startLogoTune() {
    // A different tune from last time, when there was a last time.
    int tune = 0;
    do {
        tune = QRandomGenerator::global()->bounded(1, 3);
    } while (tune == m_logoTuneNumber);
    m_logoTuneNumber = tune;
    m_context.services.music->setCurrentMusicFile(
        m_context.services.folder->resolve(QStringLiteral("aobj_logo_midi%1.mid").arg(tune)));
    m_context.services.music->startBackgroundMusic();
}

void StudentForm::onMainMenuButton(MainMenu::Button which) {
    // Every door out of the main menu silences it first.
    (void)m_context.services.sound->stop();
    m_context.services.music->closeAllMedia();
    m_context.services.music->setCurrentMusicFile(QString());

    switch (which) {
    case MainMenu::TeacherFunctions:
        // Stays until the student form is active again (becameActive hides it).
        m_mainMenu->showLoadingOver(MainMenu::TeacherFunctions);
        Q_EMIT teacherFunctionsRequested();
        break;
    case MainMenu::StudentData:
        Q_EMIT studentDataRequested();
        break;
    case MainMenu::StudentLogon:
        m_mainMenu->hide();
        studentArea()->openLogon();
        Q_EMIT studentLogonRequested();
        break;
    case MainMenu::UserGuide:
        openUserGuide();
        break;
    case MainMenu::Exit:
        Q_EMIT exitRequested();
        break;
    }
}

void StudentForm::openUserGuide() {
    m_mainMenu->showLoadingOver(MainMenu::UserGuide);
    // A guide that cannot be opened is no reason to bother a child with a message.
    (void)m_context.services.shell->openDocument(
        m_context.services.folder->filePath(QStringLiteral("aobj_user_guide.htm")));
    m_mainMenu->hideLoading();
}

void StudentForm::report(const FileError &error) {
    (void)m_context.services.messages->inform(error.text());
}

void StudentForm::escapeCounted() {
    if (m_studentArea)
        m_studentArea->escapePressed();
}

void StudentForm::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        becameActive();
}

} // namespace quillora
