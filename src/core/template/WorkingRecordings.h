#pragma once

#include <QString>

namespace quillora {

class AppFolder;

// Narration made or opened in the designer lives beside its permanent file as a working copy
// ("temp_" in front of the permanent name) until the template is saved; leaving the designer
// throws the working copies away.

inline constexpr char kWorkingCopyPrefix[] = "temp_";

// "recording_<story>_<page>_<choice>.wav": a choice's narration.
QString choiceRecordingName(int storyId, int pageId, int choice);

// The working copy of a permanent recording name: "temp_" in front.
QString workingCopyName(const QString &permanentName);

// The permanent name of a working copy, or the empty text for a name that is not one.
QString permanentNameOf(const QString &workingCopy);

// Deletes the working copies of one page's recordings (its three choices and its path).
// Files that are missing or cannot be deleted are passed over: they are only working copies.
void deletePageTempRecordings(const AppFolder &folder, int storyId, int pageId);

// Deletes the working copies of every recording of the template. Permanent recordings and
// other templates' working copies stay.
void deleteTempRecordings(const AppFolder &folder, int storyId);

} // namespace quillora
