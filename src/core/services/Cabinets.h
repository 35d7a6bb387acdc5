#pragma once

#include "core/Result.h"
#include "core/async/AsyncOp.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace quillora {

// A file to put into a cabinet, under the name it carries there.
struct CabinetInput {
    QString sourcePath;
    QString memberName;
};

// A member of a cabinet as the cabinet lists it: the stored name, untrusted.
struct CabinetMember {
    QString name;
    qint64 size = 0;
};

// Members done out of the total, reported on the interface thread.
using CabinetProgress = std::function<void(int done, int total)>;

// Compressed cabinet files (MS-CAB, MSZIP). The work blocks, so each call returns at once and
// the caller awaits the result; cancelling the awaiting flow stops between members. Errors
// name the cabinet.
class Cabinets {
public:
    virtual ~Cabinets() = default;

    // Writes the cabinet whole (or not at all) from the files, in the order given.
    virtual AsyncOp<Result<void>> build(const QString &cabinetPath,
                                        const QList<CabinetInput> &files,
                                        CabinetProgress progress = {}) = 0;

    // The members of a cabinet, without expanding them.
    virtual AsyncOp<Result<QList<CabinetMember>>> list(const QString &cabinetPath) = 0;

    // Expands only the members whose stored names are in wanted, into folder under those
    // names; every other member is passed over. Returns how many members were written.
    virtual AsyncOp<Result<int>> extract(const QString &cabinetPath, const QString &folder,
                                         const QSet<QString> &wanted,
                                         CabinetProgress progress = {}) = 0;
};

} // namespace quillora
