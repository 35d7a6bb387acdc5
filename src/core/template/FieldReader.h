#pragma once

#include "core/Result.h"
#include "core/TextFile.h"

#include <limits>
#include <optional>

namespace quillora {

inline constexpr long long kShortMin = std::numeric_limits<qint16>::min();
inline constexpr long long kShortMax = std::numeric_limits<qint16>::max();

// Fields that a file keeps on one line. A stray line break would split the record and
// shift every later line, so the writer turns it into a space.
inline QString oneLine(const QString &text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// Reads the fields of a record one after another and keeps the first error, so a reader can
// list its fields in file order and check once at the end. After an error every further
// field reads as empty or 0 and nothing more is consumed.
class FieldReader {
public:
    explicit FieldReader(LineReader &in)
        : m_in(in) {}

    QString text() {
        if (m_error)
            return {};
        auto line = m_in.text();
        if (!line) {
            m_error = line.error();
            return {};
        }
        return *line;
    }

    int number(long long min = kShortMin, long long max = kShortMax) {
        if (m_error)
            return 0;
        auto value = m_in.number(min, max);
        if (!value) {
            m_error = value.error();
            return 0;
        }
        return static_cast<int>(*value);
    }

    void skip() { (void)text(); }

    bool ok() const { return !m_error.has_value(); }
    Result<void> result() const { return ok() ? Result<void>() : Result<void>(*m_error); }
    const FileError &error() const { return *m_error; }

private:
    LineReader &m_in;
    std::optional<FileError> m_error;
};

} // namespace quillora
