#include "core/upload/UploadSettings.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"

#include <QFileInfo>

namespace quillora {

namespace {

Result<UploadTls> parseTls(const QString &value) {
    const QString v = value.toLower();
    if (v == QLatin1String("try"))
        return UploadTls::Try;
    if (v == QLatin1String("required"))
        return UploadTls::Required;
    if (v == QLatin1String("off"))
        return UploadTls::Off;
    return FileError{QStringLiteral("tls must be try, required or off, not \"%1\"").arg(value), {}};
}

} // namespace

Result<UploadSettings> readUploadSettings(const AppFolder &folder) {
    const QString path = folder.filePath(QLatin1String(kUploadSettingsFile));
    if (!QFileInfo::exists(path))
        return FileError{QStringLiteral("The upload server settings file is missing"), path};
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    UploadSettings settings;
    for (int i = 0; i < lines->size(); ++i) {
        const QString line = lines->at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fail = [&](const QString &message) { return FileError{message, path, i + 1}; };
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return fail(QStringLiteral("Expected a line of the form key = value"));
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("host")) {
            settings.host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            const int port = value.toInt(&ok);
            if (!ok || port < 1 || port > 65535)
                return fail(QStringLiteral("The port must be a number from 1 to 65535"));
            settings.port = port;
        } else if (key == QLatin1String("user")) {
            settings.user = value;
        } else if (key == QLatin1String("password")) {
            settings.password = value;
        } else if (key == QLatin1String("folder")) {
            settings.folder = value.isEmpty() ? QStringLiteral("/") : value;
        } else if (key == QLatin1String("tls")) {
            auto tls = parseTls(value);
            if (!tls)
                return fail(tls.error().message);
            settings.tls = *tls;
        } else if (key == QLatin1String("ca_file")) {
            settings.caFile = value.isEmpty() ? QString() : folder.resolve(value);
        } else if (key == QLatin1String("website")) {
            settings.website = value;
        } else {
            return fail(QStringLiteral("Unknown setting \"%1\"").arg(key));
        }
    }
    if (settings.host.isEmpty())
        return FileError{QStringLiteral("The upload server settings name no host"), path};
    return settings;
}

QString uploadSettingsMissingMessage(const AppFolder &folder, const FileError &error) {
    return QStringLiteral("Templates cannot be sent until the upload server is set up.\n\n"
                          "Please ask whoever looks after this computer to set up the file\n%1\n"
                          "with the server's host, user and password.\n\n%2")
        .arg(folder.filePath(QLatin1String(kUploadSettingsFile)), error.text());
}

} // namespace quillora
