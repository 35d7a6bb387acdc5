#include "student/StoryLabels.h"

#include "core/CharacterSet.h"

#include <QLabel>
#include <QVariant>

namespace quillora {

namespace {

constexpr char kStoryLabelProperty[] = "quilloraStoryLabel";

} // namespace

void markStoryLabel(QLabel *label, StoryLabel kind) {
    label->setProperty(kStoryLabelProperty, static_cast<int>(kind) + 1);
}

const char *storyLanguageFontFamily() {
    return "Lucida Sans Unicode";
}

void applyCharacterSet(QWidget *root, const CharacterSetting &setting) {
    if (!setting.changesLabels())
        return;
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const int mark = label->property(kStoryLabelProperty).toInt();
        if (mark == 0)
            continue;
        QFont font = label->font();
        font.setFamily(QLatin1String(storyLanguageFontFamily()));
        label->setFont(font);
        if (mark == static_cast<int>(StoryLabel::PageText) + 1 && setting.rightToLeft())
            label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight);
    }
}

} // namespace quillora
