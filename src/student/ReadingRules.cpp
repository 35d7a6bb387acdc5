#include "student/ReadingRules.h"

#include <cmath>

namespace quillora {

namespace {

constexpr int kStudentPictureMaxWidth = 2750;
constexpr int kStudentPictureMaxHeight = 2200;

} // namespace

QString coverPictureName(int coverColor) {
    static const char *const colours[] = {"green", "blue", "purple", "gray", "orange", "red"};
    const int index = coverColor >= 1 && coverColor <= 6 ? coverColor - 1 : 0;
    return QStringLiteral("aobj_mybook_%1_cover.jpg").arg(QLatin1String(colours[index]));
}

QString bookTitleText(const QString &storyTitle, const QString &subtitle) {
    const QString trimmed = subtitle.trimmed();
    if (trimmed.isEmpty())
        return storyTitle;
    return storyTitle + QLatin1Char('\r') + QLatin1Char('(') + trimmed + QLatin1Char(')');
}

QString statisticsTitle(const QString &storyTitle, const QString &subtitle) {
    const QString trimmed = subtitle.trimmed();
    if (trimmed.isEmpty())
        return storyTitle;
    return storyTitle + QStringLiteral(" (") + trimmed + QLatin1Char(')');
}

int coverTitlePoints(const QString &titleText) {
    if (titleText.size() > 30)
        return 30;
    return titleText.size() > 20 ? 36 : 40;
}

int titlePageTitlePoints(const QString &titleText) {
    if (titleText.size() > 30)
        return 36;
    return titleText.size() > 20 ? 40 : 46;
}

QSize fitStudentPicture(QSize twips) {
    double width = twips.width();
    double height = twips.height();
    if (width <= 0 || height <= 0)
        return {0, 0};
    if (width > kStudentPictureMaxWidth) {
        height = height * kStudentPictureMaxWidth / width;
        width = kStudentPictureMaxWidth;
    }
    if (height > kStudentPictureMaxHeight) {
        width = width * kStudentPictureMaxHeight / height;
        height = kStudentPictureMaxHeight;
    }
    return {static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
}

} // namespace quillora
