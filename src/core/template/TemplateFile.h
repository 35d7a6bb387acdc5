#pragma once

#include "core/Result.h"
#include "core/template/StoryTemplate.h"

#include <QStringList>

namespace quillora {

class AppFolder;
class Messages;

// How a template is opened: for editing in the designer (working copies of its recordings
// are made, so the designer can record over them and still be left without a change), or
// for reading everywhere else.
enum class TemplateLoadMode { Editing = 1, Reading = 2 };

// "story_" StoryId ".sty"
QString templateFileName(int storyId);

// The lines of the template file: 9 header lines, then 26 lines for every slot in use, in
// slot order. A colour scheme of 0 goes out as 1.
QStringList templateLines(const StoryTemplate &story);

// Reads the lines of a template file into a fresh template (pages in slots 1..n in file
// order). Stored picture, narration and sound names without a folder come back as paths in
// the application folder. Fails, naming the file and the line, for a file that ends inside
// a page group, holds more than 500 page groups or has a number line that is not a number,
// and for pages whose links lead round in a circle (a page that follows itself through its
// "next" links, or a "previous" chain that never reaches the first page): a child would
// otherwise turn the same pages forever, or write a whole book that cannot be saved.
Result<StoryTemplate> parseTemplate(const QString &path, const QStringList &lines,
                                    const AppFolder &folder);

// Reads "story_" storyId ".sty" into the template. Everything of the earlier template goes,
// including the book subtitle. When the file cannot be read the template is left blank
// (as a new one, with no pages and story number 0), never half loaded. In editing mode the
// template's recordings are copied to their "temp_" working names once the file has been
// read; a copy that fails is reported and the load goes on, since the permanent recording
// is still there.
Result<void> loadTemplate(StoryTemplate &story, int storyId, TemplateLoadMode mode,
                          const AppFolder &folder, Messages &messages);

// Writes the template to its file and then turns every working recording
// ("temp_recording_*.wav", of any template) into its permanent file, and says "The Story
// ... has been saved". The file is replaced in one step: when it cannot be written, the old
// file is still there, no recording has been touched, and the teacher is told why. A
// recording that cannot be copied is reported by the copy itself and the save is reported
// as incomplete.
Result<void> saveTemplate(StoryTemplate &story, const AppFolder &folder, Messages &messages);

// The head of a template file (its nine lines before the pages), read without the pages, for
// the topic lists and the title check. Every field is kept as stored: line breaks still
// encoded, names without a folder not yet resolved.
struct TemplateSummary {
    QString fileName;
    int storyId = 0;
    QString storedTitle;
    QString coverRecording;
    QString backgroundMusic;
    int colorScheme = 0;
    QString coverPicture;
    QString fontName;
    int fontBold = 0;
    int fontItalic = 0;
};
Result<TemplateSummary> readTemplateSummary(const AppFolder &folder, const QString &fileName);

// Every template of the folder ("*.sty"), sorted by file name. Files that cannot be read are
// left out, or listed in unreadable when the caller asks for them.
QList<TemplateSummary> listTemplates(const AppFolder &folder,
                                     QList<FileError> *unreadable = nullptr);

} // namespace quillora
