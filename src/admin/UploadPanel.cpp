#include "admin/UploadPanel.h"

#include "admin/AdminWidgets.h"
#include "core/template/StoryTemplate.h"
#include "core/template/TemplateFile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

QLineEdit *textBox(const QString &name, QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setAccessibleName(name);
    return box;
}

} // namespace

UploadPanel::UploadPanel(const Services &services, PrepareCabinet prepare, QWidget *parent)
    : QFrame(parent) {
    styleAdminPanel(this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(u"Story templates"_s);
    m_contributor = textBox(u"Contributor's Name"_s, this);
    m_email = textBox(u"Contributor's Email Address *"_s, this);
    m_language = textBox(u"Language"_s, this);
    m_description = new QPlainTextEdit(this);
    m_description->setAccessibleName(u"Short Description of the Story Template"_s);
    m_description->setTabChangesFocus(true);
    m_description->setMaximumHeight(110);
    m_hideName =
        new QCheckBox(u"Do not list my name on the Brindlemoor website as the contributor"_s, this);
    m_hideName->setAccessibleName(m_hideName->text());
    m_send = adminButton(u"Send the template to Brindlemoor to list on their website to share "
                         "with other teachers and Students"_s,
                         this);
    m_stop = adminButton(u"Stop Sending"_s, this);
    m_stop->hide();
    m_back = adminButton(u"Back to Teacher Functions"_s, this);
    m_status = new QLabel(this);
    m_status->setAccessibleName(u"Upload status"_s);
    m_status->setWordWrap(true);
    m_status->hide();
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setAccessibleName(u"Upload progress"_s);
    m_progress->hide();

    auto *form = new QFormLayout;
    form->addRow(u"Contributor's Name"_s, m_contributor);
    form->addRow(u"Contributor's Email Address *"_s, m_email);
    form->addRow(u"Language"_s, m_language);
    form->addRow(u"Short Description of the Story Template"_s, m_description);
    auto *privacy = instructionLabel(u"* Your email address stays private: it is only used to "
                                     "tell you whether your story was added."_s,
                                     this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_send, 1);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_back);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panelTitle(u"Share a Story Template"_s, this));
    layout->addWidget(instructionLabel(
        u"First click on the story template to share. Fill out the information below and "
        "click on the button to send the template."_s,
        this));
    layout->addWidget(m_list, 1);
    layout->addLayout(form);
    layout->addWidget(m_hideName);
    layout->addWidget(privacy);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    m_upload = std::make_unique<TemplateUpload>(services, m_scope, std::move(prepare), *this);
    connect(m_send, &QPushButton::clicked, this, [this] {
        // A second press while one upload runs would start another beside it.
        if (!m_sending)
            m_scope.start(sendFlow());
    });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_upload->stop(); });
    connect(m_back, &QPushButton::clicked, this, [this] {
        if (m_sending)
            m_upload->stop();
        Q_EMIT closed();
    });
}

UploadPanel::~UploadPanel() {
    if (m_sending)
        m_upload->stop();
}

void UploadPanel::fill(const QList<TemplateSummary> &templates) {
    m_list->clear();
    for (const TemplateSummary &summary : templates) {
        auto *item = new QListWidgetItem(decodeLineBreaks(summary.storedTitle), m_list);
        item->setData(Qt::UserRole, summary.storyId);
    }
}

UploadRequest UploadPanel::request() const {
    UploadRequest request;
    if (const QListWidgetItem *item = m_list->currentItem(); item && item->isSelected())
        request.storyId = item->data(Qt::UserRole).toInt();
    request.description = {m_contributor->text(), m_email->text(), m_language->text(),
                           m_description->toPlainText(), m_hideName->isChecked()};
    return request;
}

QCoro::Task<> UploadPanel::sendFlow() {
    m_sending = true;
    m_send->setEnabled(false);
    const UploadEnd end = co_await m_upload->run(request());
    m_sending = false;
    m_send->setEnabled(true);
    // A stopped upload leaves the panel as it is, so the teacher can send again or leave;
    // every other ending goes back to the teacher functions.
    if (end == UploadEnd::Sent || end == UploadEnd::Declined)
        Q_EMIT closed();
}

void UploadPanel::showStatus(const QString &text, StatusColour colour) {
    const char *rgb = colour == StatusColour::Green ? "#00ff00" : "#ff0000";
    m_status->setStyleSheet(
        QStringLiteral("QLabel { background: black; color: %1; font-weight: bold; padding: 4px; }")
            .arg(QLatin1String(rgb)));
    m_status->setText(text);
    m_status->show();
}

void UploadPanel::showProgress(int percent) {
    m_progress->setValue(percent);
    m_progress->show();
}

void UploadPanel::hideProgress() {
    m_progress->hide();
}

void UploadPanel::setTransferRunning(bool running) {
    m_stop->setVisible(running);
    m_back->setEnabled(!running);
}

} // namespace quillora
