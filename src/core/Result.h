#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace quillora {

// Why a file could not be read or written, naming the file and, where it helps, the line,
// so a teacher can tell which file to look at.
struct FileError {
    QString message;
    QString file;
    int line = 0;

    QString text() const {
        QString where = file;
        if (line > 0)
            where += QStringLiteral(", line %1").arg(line);
        if (where.isEmpty())
            return message;
        return QStringLiteral("%1 (%2)").arg(message, where);
    }
};

// A value or the error that kept us from it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_data(std::move(value)) {}
    Result(FileError error)
        : m_data(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<T>(m_data); }
    T &value() & { return std::get<T>(m_data); }
    T &&value() && { return std::get<T>(std::move(m_data)); }
    const T &operator*() const & { return value(); }
    const T *operator->() const { return &value(); }

    const FileError &error() const { return std::get<FileError>(m_data); }

private:
    std::variant<T, FileError> m_data;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(FileError error)
        : m_error(std::move(error)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const FileError &error() const { return *m_error; }

private:
    std::optional<FileError> m_error;
};

} // namespace quillora
