// The yardstick for the start-up benchmark: a full-screen window with as many pictures as the
// main menu, loaded from the same folder, that reports its first paint and quits.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(rect(), QColor(70, 130, 180));
        if (m_reported)
            return;
        m_reported = true;
        std::printf("first paint at %lld ms since the epoch\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    Window window;
    const QStringList pictures = folder.entryList(
        {QStringLiteral("aobj_main_*.jpg"), QStringLiteral("aobj_teacher_loading.jpg")},
        QDir::Files, QDir::Name);
    int x = 0;
    for (const QString &name : pictures) {
        auto *label = new QLabel(&window);
        label->setPixmap(QPixmap(folder.filePath(name)));
        label->move(x, 0);
        x += 20;
    }
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showFullScreen();
    return QApplication::exec();
}
