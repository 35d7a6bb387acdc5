#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;

// A template as the teacher's lists show it.
struct LibraryEntry {
    int storyId = 0;
    QString title; // as stored, line breaks still encoded, so it matches the file exactly
    QString fileName;
};

// Every readable template of the folder, in file-name order.
QList<LibraryEntry> libraryEntries(const AppFolder &folder);

// The number of the first template (in file-name order) whose title is exactly the text;
// 0 when none is.
int findTemplateByTitle(const AppFolder &folder, const QString &title);

// The personal books ("mystory_*.msy") written from the template, by file name.
QStringList templateBookFiles(const AppFolder &folder, int storyId);
bool templateHasBooks(const AppFolder &folder, int storyId);

// Deletes every personal book of the template. Returns the files that could not be deleted.
QStringList deleteTemplateBooks(const AppFolder &folder, int storyId);

// Deletes the template's books, its media files and then the template file itself, so a
// teacher who is interrupted still sees the template and can delete it again. Working
// recordings and assignment files are left alone. Returns the files that could not be
// deleted.
QStringList deleteTemplateFiles(const AppFolder &folder, int storyId);

// The wildcard patterns of the media files that carry a template's number, in the order they
// are deleted.
QStringList templateMediaPatterns(int storyId);

} // namespace quillora
