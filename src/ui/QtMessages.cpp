#include "ui/QtMessages.h"

namespace quillora {

QtMessages::QtMessages(QWidget *parent)
    : m_parent(parent) {}

QMessageBox *QtMessages::makeBox(const QString &text, QMessageBox::StandardButtons buttons) const {
    auto *box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Quillora"), text, buttons, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(m_parent ? Qt::WindowModal : Qt::ApplicationModal);
    return box;
}

AsyncOp<void> QtMessages::inform(const QString &text) {
    Promise<void> promise;
    QMessageBox *box = makeBox(text, QMessageBox::Ok);
    QObject::connect(box, &QMessageBox::finished, box, [promise] { promise.resolve(); });
    box->open();
    return promise.op();
}

AsyncOp<bool> QtMessages::ask(const QString &text, QMessageBox::StandardButton yes,
                              QMessageBox::StandardButton no) {
    Promise<bool> promise;
    QMessageBox *box = makeBox(text, yes | no);
    QObject::connect(box, &QMessageBox::finished, box,
                     [promise, yes](int result) { promise.resolve(result == yes); });
    box->open();
    return promise.op();
}

AsyncOp<bool> QtMessages::askYesNo(const QString &text) {
    return ask(text, QMessageBox::Yes, QMessageBox::No);
}

AsyncOp<bool> QtMessages::askOkCancel(const QString &text) {
    return ask(text, QMessageBox::Ok, QMessageBox::Cancel);
}

} // namespace quillora
