#pragma once

#include "core/Result.h"
#include "core/services/Cabinets.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace quillora {

// Asked between members: true stops the work there.
using StopCheck = std::function<bool()>;
// Members done out of the total, called on the thread doing the work.
using MemberProgress = std::function<void(int done, int total)>;

// The blocking cabinet work itself, for a worker thread (or a tool with nothing to paint).
// The cabinet is written to a temporary file beside its place and renamed over it only when
// complete, so a failure or a stop leaves any earlier file of that name as it was.
Result<void> writeCabinetFile(const QString &cabinetPath, const QList<CabinetInput> &files,
                              const StopCheck &stop, const MemberProgress &progress);

Result<QList<CabinetMember>> readCabinetMembers(const QString &cabinetPath);

// Only members whose stored names are in wanted are written, under those names, into folder.
// The stored names are never used as paths unless they are in wanted: a cabinet may carry
// names such as "..\..\x" and an unfiltered expansion would honour them.
Result<int> extractCabinetMembers(const QString &cabinetPath, const QString &folder,
                                  const QSet<QString> &wanted, const StopCheck &stop,
                                  const MemberProgress &progress);

} // namespace quillora
