#pragma once

#include "core/AppFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace quillora::test {

// An application folder on a file system of its own that really fills up: a small tmpfs,
// mounted for the test and unmounted after it. Only the superuser may mount; anywhere else
// skipReason() says why the test cannot run.
class SmallDisk {
public:
    explicit SmallDisk(const char *size = "256k") {
        if (!m_dir.isValid()) {
            m_skipReason = QStringLiteral("no temporary folder for the mount point");
            return;
        }
        if (::geteuid() != 0) {
            m_skipReason = QStringLiteral("mounting a small tmpfs needs the superuser");
            return;
        }
        const QByteArray target = QFile::encodeName(m_dir.path());
        const QByteArray options = QByteArray("size=") + size;
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
            m_skipReason = QStringLiteral("tmpfs cannot be mounted here: ") +
                           QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
        m_folder = AppFolder(m_dir.path());
    }
    // Puts an existing folder, with everything in it, onto a small file system of its own
    // with the given bytes to spare, so a whole program can run on a disk that fills.
    SmallDisk(const QString &existingFolder, qint64 spareBytes) {
        if (::geteuid() != 0) {
            m_skipReason = QStringLiteral("mounting a small tmpfs needs the superuser");
            return;
        }
        QDir folder(existingFolder);
        qint64 bytes = 0;
        const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            bytes += QFileInfo(folder.filePath(name)).size() + 4096; // a block per file at worst
            if (!QFile::rename(folder.filePath(name), QDir(m_dir.path()).filePath(name))) {
                m_skipReason = QStringLiteral("cannot set the folder's files aside");
                return;
            }
        }
        const QStringList folders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        const QByteArray target = QFile::encodeName(existingFolder);
        const QByteArray options = "size=" + QByteArray::number(bytes + spareBytes);
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
            m_skipReason = QStringLiteral("tmpfs cannot be mounted here: ") +
                           QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
        m_mountPoint = existingFolder;
        m_folder = AppFolder(existingFolder);
        for (const QString &name : names)
            QFile::copy(QDir(m_dir.path()).filePath(name), folder.filePath(name));
        for (const QString &name : folders)
            folder.mkdir(name);
    }
    ~SmallDisk() {
        if (m_mounted && !m_mountPoint.isEmpty()) {
            ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
            return;
        }
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    const QString &skipReason() const { return m_skipReason; }
    const AppFolder &folder() const { return m_folder; }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    bool write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }
    QByteArray read(const QString &name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Everything in the folder but the filler, to see that a failed save left nothing behind.
    QStringList files() const {
        QStringList names = QDir(m_folder.root()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeAll(QLatin1String(kFiller));
        return names;
    }

    // Takes every byte that is left, down to the last one.
    void fill() const {
        const int fd = ::open(QFile::encodeName(path(QLatin1String(kFiller))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0)
            return;
        const QByteArray block(4096, 'f');
        for (qsizetype chunk = block.size(); chunk > 0; chunk /= 2) {
            while (::write(fd, block.constData(), static_cast<size_t>(chunk)) ==
                   static_cast<ssize_t>(chunk)) {
            }
        }
        ::close(fd);
    }

private:
    static constexpr char kFiller[] = "filler.bin";
    QTemporaryDir m_dir;
    QString m_mountPoint; // an existing folder mounted over, rather than m_dir
    AppFolder m_folder;
    QString m_skipReason;
    bool m_mounted = false;
};

} // namespace quillora::test
