#include "StudentForm.h"

#include "AppFolder.h"
#include "PictureButton.h"
#include "ProgramState.h"
#include "services/Messages.h"
#include "services/MusicChannel.h"
#include "services/Shell.h"
#include "services/SoundPlayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QRandomGenerator>

namespace quillora {

StudentForm::StudentForm(const Services &services, ProgramState &state, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_state(state) {
    setWindowTitle(QStringLiteral("Quillora"));
    setAccessibleName(QStringLiteral("Quillora"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(70, 130, 180));
    setPalette(background);

    m_mainMenu = new MainMenu(*services.folder, this);
    connect(m_mainMenu, &MainMenu::buttonPressed, this, &StudentForm::onMainMenuButton);
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
    if (!m_logoMusicStarted)
        startLogoTune();
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
    m_logoMusicStarted = true;
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
