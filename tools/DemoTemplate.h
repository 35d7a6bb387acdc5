#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace quillora::assets {

// The demo story as the generator needs it: enough of a template to write its file and to
// know which pictures, narrations, sounds and music it refers to.
struct DemoChoice {
    QString picture;
    QString text; // as stored: line breaks encoded as "}" and "{"
    QString recording;
    QString soundEffect;
    int nextPageId = 0;
    int prevPageId = 0;
};

struct DemoPage {
    int pageId = 0;
    int layout = 1;
    QString pathSubtitle;
    QString pathRecording;
    std::array<DemoChoice, 3> choices;
};

struct DemoTemplate {
    int storyId = 0;
    QString title;
    QString coverRecording;
    QString backgroundMusic;
    int colorScheme = 1;
    QString coverPicture;
    QString fontName;
    int fontBold = 1;
    int fontItalic = 0;
    QList<DemoPage> pages;
};

// Reads the template source in assets/: the template file's own layout (9 header lines,
// then 26-line page groups), where numbers may be written without the surrounding spaces.
// Checks the page links so a broken demo fails the build rather than a child's session.
Result<DemoTemplate> readDemoTemplate(const QString &path);

// The template file's lines: numbers in the line-printer form.
QStringList templateLines(const DemoTemplate &story);

// Turns the stored "}" and "{" back into CR and LF.
QString decodeLineBreaks(const QString &text);

// Every media file the template names, each once, in the order they appear.
QStringList mediaNames(const DemoTemplate &story);

} // namespace quillora::assets
