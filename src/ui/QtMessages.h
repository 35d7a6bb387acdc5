#pragma once

#include "core/services/Messages.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace quillora {

// Window-modal boxes opened without a nested event loop: the answer arrives through the
// returned operation, so flows keep running on the one event loop.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget *parent = nullptr);

    void setParentWidget(QWidget *parent) { m_parent = parent; }

    AsyncOp<void> inform(const QString &text) override;
    AsyncOp<bool> askYesNo(const QString &text) override;
    AsyncOp<bool> askOkCancel(const QString &text) override;

private:
    QMessageBox *makeBox(const QString &text, QMessageBox::StandardButtons buttons) const;
    AsyncOp<bool> ask(const QString &text, QMessageBox::StandardButton yes,
                      QMessageBox::StandardButton no);
    QPointer<QWidget> m_parent;
};

} // namespace quillora
