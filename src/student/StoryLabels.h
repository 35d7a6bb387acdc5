#pragma once

class QLabel;
class QWidget;

namespace quillora {

struct CharacterSetting;

// Which student labels show story language: the language in force gives them its font, and
// page texts also its direction.
enum class StoryLabel { Text, PageText };

// Marks a label when its screen builds it; the language is applied to the whole form later.
void markStoryLabel(QLabel *label, StoryLabel kind);

// Gives every marked label under root the language's font and, for a right-to-left script,
// right-aligns the page texts. With the default set nothing changes.
void applyCharacterSet(QWidget *root, const CharacterSetting &setting);

// The story-language font family for a set other than the default.
const char *storyLanguageFontFamily();

} // namespace quillora
