#pragma once

#include "core/AppFolder.h"
#include "core/TextFile.h"

#include <QByteArrayView>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillora::fuzz {

// The bytes of a file as its reader sees them: lines split and decoded as on disk.
inline QStringList linesOf(const std::uint8_t *data, std::size_t size) {
    return splitLines(
        QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
}

inline const AppFolder &fuzzFolder() {
    static const AppFolder folder(QStringLiteral("/quillora-fuzz"));
    return folder;
}

// Whatever a reader accepts, its writer must write back so that it reads the same again.
inline void require(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

} // namespace quillora::fuzz
