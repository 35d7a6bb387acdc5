#include "core/FileCopy.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/services/Messages.h"

#include <QFile>

namespace quillora {

bool copyDataFile(const AppFolder &folder, Messages &messages, const QString &source,
                  const QString &destination) {
    QFile in(folder.resolve(source));
    bool copied = false;
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = in.readAll();
        copied = in.error() == QFileDevice::NoError &&
                 writeFileAtomically(folder.resolve(destination), bytes).ok();
    }
    if (!copied) {
        // The message names the files as the caller passed them, not the resolved paths.
        (void)messages.inform(QStringLiteral("File transfer failed\nSource File: ") + source +
                              QStringLiteral("\nDestination File: ") + destination);
    }
    return copied;
}

QString addQuotes(const QString &text) {
    QString quoted = text;
    if (!quoted.startsWith(QLatin1Char('"')))
        quoted.prepend(QLatin1Char('"'));
    if (quoted.size() < 2 || !quoted.endsWith(QLatin1Char('"')))
        quoted.append(QLatin1Char('"'));
    return quoted;
}

} // namespace quillora
