#pragma once

#include "FakeServices.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace quillora::test {

inline QByteArray fixtureBytes(const QString &name) {
    QFile file(QStringLiteral(QUILLORA_TEST_SOURCE_DIR "/core/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture");
    return file.readAll();
}

// Puts a fixture into the application folder, under its own name or another.
inline void installFixture(const TempAppFolder &app, const QString &name,
                           const QString &as = QString()) {
    app.write(as.isEmpty() ? name : as, fixtureBytes(name));
}

} // namespace quillora::test
