#include "student/StudentForm.h"

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/services/Messages.h"
#include "core/services/MusicChannel.h"
#include "core/services/Shell.h"
#include "core/services/SoundPlayer.h"
#include "student/StudentArea.h"
#include "ui/PictureButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>

namespace quillora {

StudentForm::StudentForm(const Services &services, ProgramState &state, QWidget *parent)
    : StudentForm(services, state, m_ownSession, parent) {}

StudentForm::StudentForm(const Services &services, ProgramState &state, StudentSession &session,
                         QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_state(state)
    , m_session(&session)
    , m_scan(*services.clock, *services.sound) {
    setWindowTitle(QStringLiteral("Quillora"));
    setAccessibleName(QStringLiteral("Quillora"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(70, 130, 180));
    setPalette(background);

    m_mainMenu = new MainMenu(*services.folder, this);
    connect(m_mainMenu, &MainMenu::buttonPressed, this, &StudentForm::onMainMenuButton);

    m_studentArea = new StudentArea(services, state, *m_session, m_scan, this);
    m_studentArea->hide();
    connect(m_studentArea, &StudentArea::mainMenuRequested, m_mainMenu, &QWidget::show);

    // The switches must reach the scan whichever control has the keyboard focus.
    qApp->installEventFilter(this);
}

StudentForm::~StudentForm() {
    // The student's screens and their flows go while the scan they use still exists.
    delete std::exchange(m_studentArea, nullptr);
}

void StudentForm::startUp() {
    const AppFolder &folder = *m_services.folder;
    QDir root(folder.root());
    for (const QString &name : {QStringLiteral("exports"), QStringLiteral("disk1")}) {
        if (!root.exists(name) && !root.mkdir(name))
            report(FileError{QStringLiteral("The working folder cannot be created"), name});
    }
    m_state.pageTurnPace = 1.0;
    m_state.palette = initPalette();

    // The main menu covers the whole form from its top left corner.
    m_mainMenu->setGeometry(rect());
    m_mainMenu->layOut();

    if (auto setting = readCharacterSetting(folder))
        m_state.characterSet = *setting;
    else
        report(setting.error()); // the screens keep the default language
    applyCharacterSet();
    m_mainMenu->show();
}

void StudentForm::becameActive() {
    m_mainMenu->hideLoading();
    if (auto loaded = m_state.texts.load(*m_services.folder); !loaded && !m_textsProblemReported) {
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
    m_services.music->setCurrentMusicFile(
        m_services.folder->resolve(QStringLiteral("aobj_logo_midi%1.mid").arg(tune)));
    m_services.music->startBackgroundMusic();
}

void StudentForm::registerStoryLabel(QLabel *label, bool isPageText) {
    m_storyLabels.append(label);
    if (isPageText)
        m_pageTextLabels.append(label);
}

void StudentForm::applyCharacterSet() {
    const CharacterSetting &setting = m_state.characterSet;
    if (!setting.changesLabels())
        return;
    for (QLabel *label : std::as_const(m_storyLabels)) {
        QFont font = label->font();
        font.setFamily(QStringLiteral("Lucida Sans Unicode"));
        label->setFont(font);
    }
    if (setting.rightToLeft()) {
        for (QLabel *label : std::as_const(m_pageTextLabels))
            label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight);
    }
}

void StudentForm::onMainMenuButton(MainMenu::Button which) {
    // Every door out of the main menu silences it first.
    (void)m_services.sound->stop();
    m_services.music->closeAllMedia();
    m_services.music->setCurrentMusicFile(QString());

    switch (which) {
    case MainMenu::TeacherFunctions:
        Q_EMIT teacherFunctionsRequested();
        break;
    case MainMenu::StudentData:
        Q_EMIT studentDataRequested();
        break;
    case MainMenu::StudentLogon:
        QDir::setCurrent(m_services.folder->root());
        m_mainMenu->hide();
        m_studentArea->openLogon();
        Q_EMIT studentLogonRequested();
        break;
    case MainMenu::UserGuide:
        openUserGuide();
        break;
    case MainMenu::Exit:
        QApplication::quit();
        break;
    }
}

void StudentForm::openUserGuide() {
    m_mainMenu->showLoadingOver(MainMenu::UserGuide);
    // A guide that cannot be opened is no reason to bother a child with a message.
    (void)m_services.shell->openDocument(
        m_services.folder->filePath(QStringLiteral("aobj_user_guide.htm")));
    m_mainMenu->hideLoading();
}

void StudentForm::report(const FileError &error) {
    (void)m_services.messages->inform(error.text());
}

bool StudentForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return handleSwitchKey(watched, event);
    return false;
}

bool StudentForm::handleSwitchKey(QObject *receiver, QEvent *event) {
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || widget->window() != this || !m_studentArea)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    int code = 0;
    switch (key->key()) {
    case Qt::Key_Space:
        code = kKeySpace;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = kKeyEnter;
        break;
    case Qt::Key_Escape:
        code = kKeyEscape;
        break;
    default:
        return false;
    }
    // A held switch repeats; only its first press and its final release count.
    if (!key->isAutoRepeat()) {
        if (event->type() == QEvent::KeyRelease) {
            m_scan.keyUp(code);
        } else if (m_scan.keyDown(code) && code == kKeyEscape) {
            m_studentArea->escapePressed();
        }
    }
    // While a scan runs the switches belong to it: a focused button must not click as well.
    return m_scan.isScanning();
}

void StudentForm::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        becameActive();
}

void StudentForm::closeEvent(QCloseEvent *event) {
    m_services.music->closeAllMedia();
    event->accept();
    QApplication::quit();
}

} // namespace quillora
