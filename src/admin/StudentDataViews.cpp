// The student management form's assignments, statistics views and progress charts.

#include "admin/AssignmentPanel.h"
#include "admin/ProgressPanel.h"
#include "admin/StudentListPanel.h"
#include "admin/StudentManagementForm.h"
#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/profiles/Assignments.h"
#include "core/profiles/StudentProfile.h"
#include "core/services/FileDialogs.h"
#include "core/services/Messages.h"
#include "core/services/Shell.h"
#include "core/statistics/ProgressSummary.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/TemplateFile.h"
#include "core/template/TemplateLibrary.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

using namespace Qt::StringLiterals;

namespace quillora {

void StudentManagementForm::openAssignments() {
    Messages &messages = *m_services.messages;
    const AppFolder &folder = *m_services.folder;
    const QString name = m_list->selectedName();
    if (name == teacherName()) {
        (void)messages.inform(u"'Teacher' must have access to all story templates"_s);
        return;
    }
    if (name.isEmpty()) {
        (void)messages.inform(u"A student must be highlighted"_s);
        return;
    }
    const int number = findStudentNumber(folder, messages, name);
    if (number == 0)
        return;
    QList<FileError> unreadable;
    const QList<TemplateSummary> templates = listTemplates(folder, &unreadable);
    if (!unreadable.isEmpty())
        (void)messages.inform(unreadableTemplatesMessage(unreadable));
    if (templates.isEmpty()) {
        (void)messages.inform(u"The program didn't find any story templates\n\n"_s
                              u"Add story templates (topics) by clicking on the Teacher "
                              "Functions button from the main menu."_s);
        return;
    }
    auto assignments = loadAssignments(folder, number);
    if (!assignments)
        // The student is offered nothing until this file is mended; saving here mends it.
        report(assignments.error());
    m_assignmentTarget = number;
    m_assign->fill(name, templates, assignments ? *assignments : Assignments(QList<int>()));
    if (templates.size() > kAssignmentListLimit)
        (void)messages.inform(
            u"Only the first %1 story templates are listed here; the others are not."_s.arg(
                kAssignmentListLimit));
    showPanel(m_assign);
}

void StudentManagementForm::saveAssignments() {
    Messages &messages = *m_services.messages;
    const AppFolder &folder = *m_services.folder;
    if (!m_assign->restricted()) {
        if (auto cleared = clearAssignments(folder, m_assignmentTarget); !cleared) {
            report(cleared.error());
            return;
        }
        showPanel(m_list);
        return;
    }
    const QList<int> ticked = m_assign->tickedIds();
    if (ticked.isEmpty()) {
        (void)messages.inform(u"At least one story template must be selected"_s);
        return;
    }
    if (auto saved = quillora::saveAssignments(folder, m_assignmentTarget, ticked); !saved) {
        report(saved.error());
        return;
    }
    (void)messages.inform(u"Story Assignments Saved"_s);
    showPanel(m_list);
}

int StudentManagementForm::studentWithData(const QString &name) {
    if (name.isEmpty()) {
        (void)m_services.messages->inform(u"Please select a student"_s);
        return 0;
    }
    if (name == teacherName()) {
        (void)m_services.messages->inform(u"Data is not gathered for the 'Teacher' logon"_s);
        return 0;
    }
    return findStudentNumber(*m_services.folder, *m_services.messages, name);
}

void StudentManagementForm::openStatistics(const QString &ending) {
    const QString name = m_list->selectedName();
    const int number = studentWithData(name);
    if (number == 0)
        return;
    const QString path = m_services.folder->filePath(statisticsFileName(number, ending));
    if (!QFile::exists(path)) {
        (void)m_services.messages->inform(u"Data was not collected yet for "_s + name);
        return;
    }
    // Whether a viewer opened is the desktop's business, as it has always been.
    (void)m_services.shell->openDocument(path);
}

void StudentManagementForm::openProgress() {
    const QString name = m_list->selectedName();
    const int number = studentWithData(name);
    if (number == 0)
        return;
    const AppFolder &folder = *m_services.folder;
    if (!QFile::exists(folder.filePath(statisticsFileName(number, u".sta"_s)))) {
        (void)m_services.messages->inform(u"Data was not collected yet for "_s + name);
        return;
    }
    auto log = readStatisticsLog(folder, number);
    if (!log) {
        report(log.error());
        return;
    }
    reportAll(log->problems, u"Some records could not be read; the charts leave them out:"_s);
    m_progressName = name;
    m_progress->showProgress(name, summarizeProgress(log->entries));
    showPanel(m_progress);
}

QCoro::Task<> StudentManagementForm::saveChartsPicture() {
    FileDialogRequest request = dialogRequest(u"Save the Charts"_s, u"PNG pictures (*.png)"_s);
    request.proposedName = u"Progress of "_s + m_progressName + u".png"_s;
    QString path = co_await m_flows(m_services.fileDialogs->saveFile(request));
    if (path.isEmpty())
        co_return;
    if (!path.endsWith(u".png"_s, Qt::CaseInsensitive))
        path += u".png"_s;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!m_progress->chartsPicture().save(&buffer, "PNG")) {
        report(FileError{u"The charts could not be turned into a picture"_s, path});
        co_return;
    }
    if (auto written = writeFileAtomically(path, bytes); !written)
        report(written.error());
}

} // namespace quillora
