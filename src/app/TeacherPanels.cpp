#include "app/TeacherPanels.h"

#include "admin/LanguagePanel.h"
#include "admin/UploadPanel.h"
#include "core/AppFolder.h"
#include "core/library/TemplateExport.h"
#include "core/services/Messages.h"
#include "core/template/TemplateFile.h"
#include "core/upload/UploadSettings.h"
#include "designer/TeacherForm.h"

#include <QFileInfo>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace quillora {

TeacherPanels::TeacherPanels(const Services &services, ProgramState &state, TeacherForm &form)
    : m_services(services)
    , m_state(state)
    , m_form(form)
    , m_prepare(cabinetPreparation(*services.folder, *services.cabinets, m_preparations)) {}

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

namespace {

QCoro::Task<> prepareForSending(AppFolder folder, Cabinets &cabinets, int storyId,
                                std::function<void(int)> percent,
                                Promise<Result<PreparedCabinet>> promise) {
    CabinetProgress progress = [percent](int done, int total) {
        if (total > 0)
            percent(done * 100 / total);
    };
    QCoro::Task<Result<QString>> building =
        buildTemplateCabinet(folder, cabinets, storyId, std::move(progress));
    Result<QString> built = co_await std::move(building);
    if (!built) {
        promise.resolve(Result<PreparedCabinet>(built.error()));
        co_return;
    }
    // "Template_" name ".cab" in "disk1"; the server gets the name without the prefix.
    QString name = QFileInfo(*built).completeBaseName();
    name.remove(0, QStringLiteral("Template_").size());
    promise.resolve(Result<PreparedCabinet>(PreparedCabinet{*built, name}));
}

} // namespace

PrepareCabinet cabinetPreparation(const AppFolder &folder, Cabinets &cabinets, FlowScope &scope) {
    return [folder, &cabinets, &scope](int storyId, std::function<void(int)> percent) {
        Promise<Result<PreparedCabinet>> promise;
        AsyncOp<Result<PreparedCabinet>> prepared = promise.op();
        scope.start(prepareForSending(folder, cabinets, storyId, std::move(percent), promise));
        return prepared;
    };
}

} // namespace quillora
