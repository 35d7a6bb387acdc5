#pragma once

#include <QList>
#include <QString>

namespace quillora {

class AppFolder;

// One thing wrong in the application folder, named by its file so the teacher (or the IT
// staff reading a script's output) knows where to look.
struct LibraryProblem {
    QString fileName;
    QString text;
    int storyId = 0; // the template to open in the designer; 0 when the file is not one
    int pageId = 0;  // the page to show there; 0 for the cover

    friend bool operator==(const LibraryProblem &, const LibraryProblem &) = default;
};

// "file: what is wrong"
QString problemLine(const LibraryProblem &problem);

// Every problem of the folder's templates and books, one each, templates first in file-name
// order: files that cannot be read, choices leading nowhere, end pages without subtitle in a
// template with decisions, pages and covers without a picture, media files a template names
// that are missing, titles two templates share, and books that no longer fit their template
// (the student would meet the consistency stop on opening them).
QList<LibraryProblem> checkLibrary(const AppFolder &folder);

// The summary line after the list.
QString checkSummary(const QList<LibraryProblem> &problems);

} // namespace quillora
