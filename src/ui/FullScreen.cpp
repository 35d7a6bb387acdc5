#include "ui/FullScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillora {

void showFullScreenOnScreen(QWidget *form) {
    QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (screen)
        form->setGeometry(screen->geometry());
    form->showFullScreen();
}

} // namespace quillora
