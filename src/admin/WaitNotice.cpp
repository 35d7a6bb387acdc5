#include "admin/WaitNotice.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quillora {

WaitNotice::WaitNotice(const QString &text, const QString &labelName, QWidget *parent)
    : QWidget(parent) {
    auto *column = new QVBoxLayout(this);
    auto *label = new QLabel(text, this);
    label->setObjectName(labelName);
    label->setStyleSheet(
        QStringLiteral("font-size: 16pt; font-weight: bold; color: rgb(0, 160, 0);"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0);
    m_bar->setAccessibleName(text);
    column->addWidget(label, 0, Qt::AlignHCenter);
    column->addWidget(m_bar);
    auto *blink = new QTimer(this);
    blink->setInterval(1000);
    connect(blink, &QTimer::timeout, label, [label] {
        static const QString green = QStringLiteral("rgb(0, 160, 0)");
        static const QString red = QStringLiteral("rgb(255, 0, 0)");
        const bool wasGreen = label->styleSheet().contains(green);
        label->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: %1;")
                                 .arg(wasGreen ? red : green));
    });
    blink->start();
}

} // namespace quillora
