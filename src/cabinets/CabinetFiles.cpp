// libgcab first: GLib's headers use words that Qt defines as macros.
#include <libgcab.h>

#include "cabinets/CabinetFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <memory>

namespace quillora {

namespace {

template <typename T>
struct GObjectDeleter {
    void operator()(T *object) const {
        if (object)
            g_object_unref(object);
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectDeleter<T>>;

struct GErrorHolder {
    GError *error = nullptr;
    ~GErrorHolder() {
        if (error)
            g_error_free(error);
    }
    QString text() const {
        return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    }
};

GFile *fileFor(const QString &path) {
    return g_file_new_for_path(QFile::encodeName(path).constData());
}

FileError cabinetError(const QString &cabinetPath, const QString &message) {
    return FileError{message, QDir::toNativeSeparators(cabinetPath)};
}

// The cabinet read, with the stream it was read from: libgcab reads the members' data from
// that stream during extraction, so it must stay open until the expansion is done.
struct LoadedCabinet {
    GPtr<GFileInputStream> stream;
    GPtr<GCabCabinet> cabinet;
};

Result<std::shared_ptr<LoadedCabinet>> loadCabinet(const QString &cabinetPath,
                                                   GCancellable *cancellable) {
    auto loaded = std::make_shared<LoadedCabinet>();
    GPtr<GFile> file(fileFor(cabinetPath));
    GErrorHolder error;
    loaded->stream.reset(g_file_read(file.get(), cancellable, &error.error));
    if (!loaded->stream)
        return cabinetError(cabinetPath,
                            QStringLiteral("The cabinet cannot be opened: %1").arg(error.text()));
    loaded->cabinet.reset(gcab_cabinet_new());
    if (!gcab_cabinet_load(loaded->cabinet.get(), G_INPUT_STREAM(loaded->stream.get()), cancellable,
                           &error.error))
        return cabinetError(
            cabinetPath,
            QStringLiteral("This is not a cabinet file that can be read: %1").arg(error.text()));
    return loaded;
}

template <typename Visit>
void forEachMember(GCabCabinet *cabinet, Visit visit) {
    GPtrArray *folders = gcab_cabinet_get_folders(cabinet);
    for (guint i = 0; folders && i < folders->len; ++i) {
        auto *folder = static_cast<GCabFolder *>(g_ptr_array_index(folders, i));
        GSList *files = gcab_folder_get_files(folder);
        for (GSList *item = files; item; item = item->next)
            visit(static_cast<GCabFile *>(item->data));
        g_slist_free(files);
    }
}

QString memberName(GCabFile *file) {
    const char *name = gcab_file_get_name(file);
    return name ? QString::fromUtf8(name) : QString();
}

// A name that is safe to write under in the target folder whatever the caller wanted.
bool isBareName(const QString &name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(u':') && name != QLatin1String(".") && name != QLatin1String("..");
}

struct WriteState {
    const StopCheck *stop;
    const MemberProgress *progress;
    GCancellable *cancellable;
    int done = 0;
    int total = 0;
};

gboolean onMemberWritten(GCabFile *, gpointer data) {
    auto *state = static_cast<WriteState *>(data);
    if (*state->stop && (*state->stop)()) {
        g_cancellable_cancel(state->cancellable);
        return FALSE;
    }
    if (*state->progress)
        (*state->progress)(state->done, state->total);
    ++state->done;
    return TRUE;
}

struct ExtractState {
    const QSet<QString> *wanted;
    const StopCheck *stop;
    const MemberProgress *progress;
    GCancellable *cancellable;
    int done = 0;
    int total = 0;
};

gboolean onMemberFound(GCabFile *file, gpointer data) {
    auto *state = static_cast<ExtractState *>(data);
    if (*state->stop && (*state->stop)()) {
        g_cancellable_cancel(state->cancellable);
        return FALSE;
    }
    const QString name = memberName(file);
    if (!isBareName(name) || !state->wanted->contains(name))
        return FALSE;
    // The stored name goes out only once it is known to be bare; libgcab would otherwise
    // turn backslashes into folders of its own.
    gcab_file_set_extract_name(file, name.toUtf8().constData());
    if (*state->progress)
        (*state->progress)(state->done, state->total);
    ++state->done;
    return TRUE;
}

} // namespace

Result<void> writeCabinetFile(const QString &cabinetPath, const QList<CabinetInput> &files,
                              const StopCheck &stop, const MemberProgress &progress) {
    GPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    GPtr<GCabFolder> folder(gcab_folder_new(GCAB_COMPRESSION_MSZIP));
    GErrorHolder error;
    for (const CabinetInput &input : files) {
        if (!QFileInfo(input.sourcePath).isFile())
            return cabinetError(cabinetPath,
                                QStringLiteral("%1 is missing, so the cabinet was not made")
                                    .arg(QDir::toNativeSeparators(input.sourcePath)));
        GPtr<GFile> source(fileFor(input.sourcePath));
        GPtr<GCabFile> member(
            gcab_file_new_with_file(input.memberName.toUtf8().constData(), source.get()));
        if (!gcab_folder_add_file(folder.get(), member.get(), FALSE, nullptr, &error.error))
            return cabinetError(cabinetPath, QStringLiteral("%1 cannot go into the cabinet: %2")
                                                 .arg(input.memberName, error.text()));
    }
    if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), &error.error))
        return cabinetError(cabinetPath, error.text());

    const QString partPath = cabinetPath + QStringLiteral(".part");
    GPtr<GFile> part(fileFor(partPath));
    GPtr<GCancellable> cancellable(g_cancellable_new());
    GPtr<GFileOutputStream> out(
        g_file_replace(part.get(), nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, &error.error));
    if (!out)
        return cabinetError(cabinetPath,
                            QStringLiteral("The cabinet cannot be written: %1").arg(error.text()));
    WriteState state{&stop, &progress, cancellable.get(), 0, static_cast<int>(files.size())};
    const bool written =
        gcab_cabinet_write(cabinet.get(), G_OUTPUT_STREAM(out.get()), onMemberWritten, nullptr,
                           &state, cancellable.get(), &error.error);
    GErrorHolder closeError;
    const bool closed = g_output_stream_close(G_OUTPUT_STREAM(out.get()), nullptr,
                                              written ? &closeError.error : nullptr);
    out.reset();
    if (!written || !closed || (stop && stop())) {
        QFile::remove(partPath);
        if (g_cancellable_is_cancelled(cancellable.get()) || (stop && stop()))
            return cabinetError(cabinetPath, QStringLiteral("Making the cabinet was stopped"));
        return cabinetError(cabinetPath, QStringLiteral("The cabinet cannot be written: %1")
                                             .arg(written ? closeError.text() : error.text()));
    }
    if (progress)
        progress(state.total, state.total);
    std::error_code renameError;
    std::filesystem::rename(QFile::encodeName(partPath).constData(),
                            QFile::encodeName(cabinetPath).constData(), renameError);
    if (renameError) {
        QFile::remove(partPath);
        return cabinetError(cabinetPath, QStringLiteral("The cabinet cannot be written: %1")
                                             .arg(QString::fromStdString(renameError.message())));
    }
    return {};
}

Result<QList<CabinetMember>> readCabinetMembers(const QString &cabinetPath) {
    auto loaded = loadCabinet(cabinetPath, nullptr);
    if (!loaded)
        return loaded.error();
    QList<CabinetMember> members;
    forEachMember(loaded.value()->cabinet.get(), [&members](GCabFile *file) {
        members.append(CabinetMember{memberName(file), gcab_file_get_size(file)});
    });
    return members;
}

Result<int> extractCabinetMembers(const QString &cabinetPath, const QString &folder,
                                  const QSet<QString> &wanted, const StopCheck &stop,
                                  const MemberProgress &progress) {
    GPtr<GCancellable> cancellable(g_cancellable_new());
    auto loaded = loadCabinet(cabinetPath, cancellable.get());
    if (!loaded)
        return loaded.error();
    GCabCabinet *cabinet = loaded.value()->cabinet.get();
    ExtractState state{&wanted, &stop, &progress, cancellable.get(), 0, 0};
    forEachMember(cabinet, [&state, &wanted](GCabFile *file) {
        const QString name = memberName(file);
        if (isBareName(name) && wanted.contains(name))
            ++state.total;
    });
    GPtr<GFile> target(fileFor(folder));
    GErrorHolder error;
    const bool extracted = gcab_cabinet_extract(cabinet, target.get(), onMemberFound, nullptr,
                                                &state, cancellable.get(), &error.error);
    // libgcab may finish the expansion without a word after the callback cancelled it.
    if (g_cancellable_is_cancelled(cancellable.get()))
        return cabinetError(cabinetPath, QStringLiteral("Expanding the cabinet was stopped"));
    if (!extracted) {
        return cabinetError(cabinetPath,
                            QStringLiteral("The cabinet cannot be expanded: %1").arg(error.text()));
    }
    if (progress)
        progress(state.done, state.total);
    return state.done;
}

} // namespace quillora
