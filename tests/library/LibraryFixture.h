#pragma once

#include "TempAppFolder.h"
#include "cabinets/GcabCabinets.h"
#include "core/template/StoryTemplate.h"

#include <QCoro/QCoroTask>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillora::test {

template <typename T>
QCoro::Task<> keepResult(QCoro::Task<T> task, std::optional<T> *out) {
    T result = co_await std::move(task);
    out->emplace(std::move(result));
}

// Runs a core operation to its end, as the interface thread would.
template <typename T>
T finish(QCoro::Task<T> task) {
    std::optional<T> result;
    QCoro::waitFor(keepResult(std::move(task), &result));
    return std::move(*result);
}

// Every file below a folder with its size, to show that a refused import changed nothing.
QMap<QString, qint64> snapshot(const QString &root);

// A template with one simple page, naming the given picture on it (empty: none).
StoryTemplate smallTemplate(int storyId, const QString &title, const QString &picture = {});
void writeTemplate(const TempAppFolder &folder, const StoryTemplate &story);

// A cabinet holding the given members (stored name to contents), names written as given.
void writeRawCabinet(const QString &cabinetPath, const QMap<QString, QByteArray> &members);

// Runs a program and returns its exit code (-1 when it could not start).
int runTool(const QString &program, const QStringList &arguments, QString *output = nullptr,
            const QString &workingFolder = {});

} // namespace quillora::test
