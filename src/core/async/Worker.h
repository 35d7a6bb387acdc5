#pragma once

#include "core/async/AsyncOp.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

namespace quillora {

// What blocking work sees of the interface thread: a cancel flag to check between steps and
// a way to report progress. Progress reaches the interface thread through queued calls, so
// the worker never touches a widget or an AsyncOp itself.
class WorkerControl {
public:
    explicit WorkerControl(std::function<void(int, int)> progress)
        : m_progress(std::move(progress)) {}

    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }

    // Called on the worker thread; the callback runs later on the interface thread.
    void report(int done, int total) const {
        if (!m_progress)
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [progress = m_progress, done, total] { progress(done, total); }, Qt::QueuedConnection);
    }

private:
    std::atomic<bool> m_cancelled{false};
    std::function<void(int, int)> m_progress;
};

// Runs blocking work on a thread of its own and hands its result to the interface thread,
// which resolves the operation. Cancelling the awaiting flow raises the cancel flag; the work
// decides where it can stop. The promise is only ever settled on the interface thread.
template <typename T>
AsyncOp<T> runOnWorker(std::function<T(const WorkerControl &)> work,
                       std::function<void(int, int)> progress = {}) {
    Promise<T> promise;
    auto control = std::make_shared<WorkerControl>(std::move(progress));
    promise.onCancel([control] { control->cancel(); });
    AsyncOp<T> op = promise.op();
    QThread *thread = QThread::create([work = std::move(work), control, promise]() {
        auto *app = QCoreApplication::instance();
        try {
            T result = work(*control);
            QMetaObject::invokeMethod(
                app,
                [promise, result = std::move(result)]() mutable {
                    promise.resolve(std::move(result));
                },
                Qt::QueuedConnection);
        } catch (...) {
            QMetaObject::invokeMethod(
                app, [promise, error = std::current_exception()] { promise.fail(error); },
                Qt::QueuedConnection);
        }
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return op;
}

} // namespace quillora
