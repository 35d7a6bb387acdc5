#include "cabinets/GcabCabinets.h"

#include "cabinets/CabinetFiles.h"
#include "core/async/Worker.h"

namespace quillora {

AsyncOp<Result<void>> GcabCabinets::build(const QString &cabinetPath,
                                          const QList<CabinetInput> &files,
                                          CabinetProgress progress) {
    return runOnWorker<Result<void>>(
        [cabinetPath, files](const WorkerControl &control) {
            return writeCabinetFile(
                cabinetPath, files, [&control] { return control.cancelled(); },
                [&control](int done, int total) { control.report(done, total); });
        },
        std::move(progress));
}

AsyncOp<Result<QList<CabinetMember>>> GcabCabinets::list(const QString &cabinetPath) {
    return runOnWorker<Result<QList<CabinetMember>>>(
        [cabinetPath](const WorkerControl &) { return readCabinetMembers(cabinetPath); });
}

AsyncOp<Result<int>> GcabCabinets::extract(const QString &cabinetPath, const QString &folder,
                                           const QSet<QString> &wanted, CabinetProgress progress) {
    return runOnWorker<Result<int>>(
        [cabinetPath, folder, wanted](const WorkerControl &control) {
            return extractCabinetMembers(
                cabinetPath, folder, wanted, [&control] { return control.cancelled(); },
                [&control](int done, int total) { control.report(done, total); });
        },
        std::move(progress));
}

} // namespace quillora
