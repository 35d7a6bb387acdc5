#include "student/EscapeNotice.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quillora {

namespace {

// The first gap of the wording is where the picture of the key goes.
const QString kKeyGap(12, QLatin1Char(' '));

QString noticeHtml(const QString &escapeKeyPicture) {
    const QString text = EscapeNotice::text();
    const qsizetype gap = text.indexOf(kKeyGap);
    const QString picture = QStringLiteral("<img src=\"%1\" width=\"60\" height=\"40\" "
                                           "style=\"vertical-align: middle\">")
                                .arg(QUrl::fromLocalFile(escapeKeyPicture).toString());
    return QStringLiteral("<p style=\"white-space: pre-wrap\">") + text.left(gap).toHtmlEscaped() +
           QStringLiteral("  ") + picture + QStringLiteral("  ") +
           text.mid(gap + kKeyGap.size()).toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

QString EscapeNotice::text() {
    return QStringLiteral("IMPORTANT:  If you want to get back to the main menu from next "
                          "screen, press the            key.  This is done to  prevent a    "
                          "       student from exiting the program unintentionally.");
}

EscapeNotice::EscapeNotice(const QString &escapeKeyPicture, QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("escapeNotice"));
    setAccessibleName(QStringLiteral("Important"));
    setFrameShape(QFrame::Box);
    setLineWidth(3);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 250, 225));
    colours.setColor(QPalette::WindowText, QColor(20, 20, 20));
    setPalette(colours);

    m_message = new QLabel(this);
    m_message->setTextFormat(Qt::RichText);
    m_message->setText(noticeHtml(escapeKeyPicture));
    m_message->setWordWrap(true);
    m_message->setAccessibleName(QStringLiteral("Important"));
    m_message->setAccessibleDescription(text());
    QFont font = m_message->font();
    font.setPointSize(15);
    m_message->setFont(font);

    m_continue = new QPushButton(QStringLiteral("Continue"), this);
    m_continue->setAccessibleName(QStringLiteral("Continue"));
    m_continue->setMinimumSize(160, 44);
    font.setBold(true);
    m_continue->setFont(font);
    connect(m_continue, &QPushButton::clicked, this, [this] {
        if (auto continued = std::exchange(m_continued, std::nullopt))
            continued->resolve();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(16);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_continue, 0, Qt::AlignHCenter);
    resize(560, 280);
}

AsyncOp<void> EscapeNotice::waitForContinue() {
    Promise<void> continued;
    m_continued = continued;
    return continued.op();
}

} // namespace quillora
