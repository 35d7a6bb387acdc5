#include "app/TeacherPanels.h"

#include "admin/LanguagePanel.h"
#include "admin/UploadPanel.h"
#include "core/AppFolder.h"
#include "core/services/Messages.h"
#include "core/template/TemplateFile.h"
#include "core/upload/UploadSettings.h"
#include "designer/TeacherForm.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace quillora {

TeacherPanels::TeacherPanels(const Services &services, ProgramState &state, TeacherForm &form)
    : m_services(services)
    , m_state(state)
    , m_form(form)
    , m_prepare(standInCabinet(*services.folder)) {}

void TeacherPanels::openUpload() {
    // Without a server there is nothing to fill the panel in for.
    if (auto settings = readUploadSettings(*m_services.folder); !settings) {
        (void)m_services.messages->inform(
            uploadSettingsMissingMessage(*m_services.folder, settings.error()));
        return;
    }
    const QList<TemplateSummary> templates = listTemplates(*m_services.folder);
    if (templates.isEmpty()) {
        (void)m_services.messages->inform(u"There are no stories to send"_s);
        return;
    }
    auto *panel = new UploadPanel(m_services, m_prepare);
    panel->fill(templates);
    QObject::connect(panel, &UploadPanel::closed, &m_form, [this] { m_form.closePanel(); });
    m_form.showPanel(panel);
    panel->templateList()->setFocus();
}

void TeacherPanels::openLanguage() {
    auto *panel = new LanguagePanel(m_services, m_state);
    if (!panel->open()) {
        delete panel;
        return;
    }
    QObject::connect(panel, &LanguagePanel::closed, &m_form, [this] { m_form.closePanel(); });
    m_form.showPanel(panel);
    panel->languageList()->setFocus();
}

PrepareCabinet standInCabinet(const AppFolder &folder) {
    return [folder](int storyId, std::function<void(int)> percent) {
        for (const TemplateSummary &summary : listTemplates(folder)) {
            if (summary.storyId != storyId)
                continue;
            const int number = QRandomGenerator::global()->bounded(1000000, 10000000);
            const QString name = u"Template_%1_%2"_s.arg(storyId).arg(number);
            QDir(folder.root()).mkpath(u"disk1"_s);
            const QString path = folder.filePath(u"disk1/Template_"_s + name + u".cab"_s);
            QFile::remove(path);
            percent(50);
            if (!QFile::copy(folder.filePath(summary.fileName), path))
                break;
            percent(100);
            return AsyncOp<Result<PreparedCabinet>>::ready(
                Result<PreparedCabinet>(PreparedCabinet{path, name}));
        }
        return AsyncOp<Result<PreparedCabinet>>::ready(Result<PreparedCabinet>(
            FileError{u"The story could not be prepared for uploading"_s, {}}));
    };
}

} // namespace quillora
