#include "core/upload/UploadFiles.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"

#include <QDateTime>
#include <QXmlStreamWriter>

namespace quillora {

namespace {

// Line breaks typed into a box stay line breaks in the file, whatever the platform sent.
QStringList typedLines(const QString &text) {
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

QString masked(QString text, const QString &password) {
    if (!password.isEmpty())
        text.replace(password, QLatin1String("****"));
    // The log on command is masked whatever it carries, in case the server was given a
    // password that differs from the one in the settings (a retyped or trimmed one).
    if (text.startsWith(QLatin1String("PASS "), Qt::CaseInsensitive))
        text = text.left(5) + QLatin1String("****");
    return text;
}

const char *kindName(UploadLogEntry::Kind kind) {
    switch (kind) {
    case UploadLogEntry::Kind::Sent:
        return "sent";
    case UploadLogEntry::Kind::Received:
        return "received";
    case UploadLogEntry::Kind::Note:
        break;
    }
    return "note";
}

// XML 1.0 cannot carry most control characters, even escaped; a server may send anything.
QString xmlSafe(const QString &text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool allowed =
            u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u != 0xFFFE && u != 0xFFFF);
        out += allowed ? c : QChar(0xFFFD);
    }
    return out;
}

} // namespace

QStringList descriptionLines(const UploadDescription &d) {
    QStringList lines;
    lines << QStringLiteral("Contributor Name") << typedLines(d.contributor);
    lines << QStringLiteral("Email Address") << typedLines(d.email);
    lines << QStringLiteral("Story Language") << typedLines(d.language);
    lines << QStringLiteral("Story Description") << typedLines(d.description);
    lines << (d.hideContributor ? QStringLiteral("DO NOT LIST CONTRIBUTOR NAME")
                                : QStringLiteral("YOU CAN LIST THE CONTRIBUTOR NAME"));
    return lines;
}

QString descriptionFilePath(const AppFolder &folder, const QString &cabinetName) {
    return folder.filePath(QStringLiteral("disk1/Template_%1.txt").arg(cabinetName));
}

QString notificationFilePath(const AppFolder &folder) {
    return folder.filePath(QStringLiteral("disk1/") + QLatin1String(kUploadFlagFile));
}

Result<void> writeDescriptionFile(const AppFolder &folder, const QString &cabinetName,
                                  const UploadDescription &description) {
    return writeTextLines(descriptionFilePath(folder, cabinetName), descriptionLines(description));
}

Result<void> writeNotificationFile(const AppFolder &folder) {
    return writeTextLines(notificationFilePath(folder), {QStringLiteral("File Exists")});
}

Result<void> writeUploadLog(const AppFolder &folder, const QList<UploadLogEntry> &conversation,
                            const QString &password) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("upload"));
    xml.writeAttribute(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODate));
    for (const UploadLogEntry &entry : conversation) {
        xml.writeStartElement(QString::fromLatin1(kindName(entry.kind)));
        xml.writeCharacters(xmlSafe(masked(entry.text, password)));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return writeFileAtomically(folder.filePath(QLatin1String(kUploadLogFile)), bytes);
}

} // namespace quillora
