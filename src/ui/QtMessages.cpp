#include "QtMessages.h"

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

AsyncOp<bool> QtMessages::askYesNo(const QString &text) {
    Promise<bool> promise;
    QMessageBox *box = makeBox(text, QMessageBox::Yes | QMessageBox::No);
    QObject::connect(box, &QMessageBox::finished, box,
                     [promise](int result) { promise.resolve(result == QMessageBox::Yes); });
    box->open();
    return promise.op();
}

AsyncOp<bool> QtMessages::askOkCancel(const QString &text) {
    Promise<bool> promise;
    QMessageBox *box = makeBox(text, QMessageBox::Ok | QMessageBox::Cancel);
    QObject::connect(box, &QMessageBox::finished, box,
                     [promise](int result) { promise.resolve(result == QMessageBox::Ok); });
    box->open();
    return promise.op();
}

} // namespace quillora
