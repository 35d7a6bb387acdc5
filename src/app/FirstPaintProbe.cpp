#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace quillora {

void FirstPaintProbe::installIfAsked(QWidget *form) {
    if (qEnvironmentVariableIsSet("QUILLORA_FIRST_PAINT_EXIT"))
        form->installEventFilter(new FirstPaintProbe(form));
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && !m_done) {
        m_done = true;
        // Let this paint finish before the program ends.
        QTimer::singleShot(0, qApp, [] {
            std::printf("first paint at %lld ms since the epoch\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillora
