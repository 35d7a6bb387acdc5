#pragma once

#include <QStringList>

namespace quillora {

// The jobs IT staff script across a lab: export, import and the library check. They run with
// no window and no sound, through the same core operations as the teacher menu.
bool isCommandLineJob(const QStringList &arguments);

// Runs the job the arguments name on a QCoreApplication of its own. Exit codes: 0 done,
// 1 refused or problems found, 2 bad usage.
int runCommandLine(int argc, char **argv);

} // namespace quillora
