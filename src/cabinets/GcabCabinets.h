#pragma once

#include "core/services/Cabinets.h"

namespace quillora {

// Cabinets made and read in-process with libgcab (MSZIP), each call on a worker thread of
// its own so the interface keeps painting.
class GcabCabinets : public Cabinets {
public:
    AsyncOp<Result<void>> build(const QString &cabinetPath, const QList<CabinetInput> &files,
                                CabinetProgress progress = {}) override;
    AsyncOp<Result<QList<CabinetMember>>> list(const QString &cabinetPath) override;
    AsyncOp<Result<int>> extract(const QString &cabinetPath, const QString &folder,
                                 const QSet<QString> &wanted,
                                 CabinetProgress progress = {}) override;
};

} // namespace quillora
