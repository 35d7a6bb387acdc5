#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace quillora {

class AppFolder;

// "aobj_mybook_green_cover.jpg" and the other five colours; green for a colour out of range.
QString coverPictureName(int coverColor);

// The book title as the cover and the title page show it: the story title and, on a line of
// its own, the path's subtitle in brackets when it has one. The line break is a CR, as the
// printer's wrapping expects.
QString bookTitleText(const QString &storyTitle, const QString &subtitle);
// The title as the usage statistics log it: "Title (Subtitle)" on one line.
QString statisticsTitle(const QString &storyTitle, const QString &subtitle);

// Font sizes, in points, shrinking as the text grows so it stays on its page.
int coverTitlePoints(const QString &titleText);
int titlePageTitlePoints(const QString &titleText);

// The student's picture on the title page: no wider than 2750 twips and no taller than 2200,
// keeping its proportions; a smaller picture keeps its size. Sizes in twips.
QSize fitStudentPicture(QSize twips);

} // namespace quillora
