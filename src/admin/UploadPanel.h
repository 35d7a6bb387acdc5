#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"
#include "core/upload/TemplateUpload.h"

#include <QFrame>
#include <QList>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quillora {

struct TemplateSummary;

// Sends a template to the maker for review (FrameShareStories): the template list, what the
// teacher tells about it, the status line and the progress of each transfer. While a
// transfer runs it can be stopped; the panel stays usable then.
class UploadPanel : public QFrame, public UploadView {
    Q_OBJECT
public:
    UploadPanel(const Services &services, PrepareCabinet prepare, QWidget *parent = nullptr);
    ~UploadPanel() override;

    void fill(const QList<TemplateSummary> &templates);

    // UploadView
    void showStatus(const QString &text, StatusColour colour) override;
    void showProgress(int percent) override;
    void hideProgress() override;
    void setTransferRunning(bool running) override;

    QListWidget *templateList() const { return m_list; }
    QLineEdit *contributorBox() const { return m_contributor; }
    QLineEdit *emailBox() const { return m_email; }
    QLineEdit *languageBox() const { return m_language; }
    QPlainTextEdit *descriptionBox() const { return m_description; }
    QCheckBox *hideNameBox() const { return m_hideName; }
    QPushButton *sendButton() const { return m_send; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *backButton() const { return m_back; }
    QLabel *statusLine() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    bool sending() const { return m_sending; }

Q_SIGNALS:
    // Back to the teacher functions: pressed, or the upload ended (other than by a stop).
    void closed();

private:
    QCoro::Task<> sendFlow();
    UploadRequest request() const;

    QListWidget *m_list = nullptr;
    QLineEdit *m_contributor = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_language = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QCheckBox *m_hideName = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_back = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    bool m_sending = false;
    std::unique_ptr<TemplateUpload> m_upload;
    FlowScope m_scope; // last: its flows unwind while the panel is whole
};

} // namespace quillora
