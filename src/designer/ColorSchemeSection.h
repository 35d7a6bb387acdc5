#pragma once

#include "core/Palette.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillora {

struct StoryTemplate;

// The "Color Scheme" section (FrameColorScheme): twelve text-colour options painted in the
// palette's colours, and the story font with its sample, Bold and Italic. A font clicked in
// the list is only previewed; it becomes the story's font through "Change Story Font" or a
// colour choice.
class ColorSchemeSection : public QWidget {
    Q_OBJECT
public:
    ColorSchemeSection(StoryTemplate &story, const Palette &palette, QWidget *parent = nullptr);

    // Back to the default font, bold, not italic (ResetFonts).
    void resetFonts();
    // The loaded template's font, style and colour (the font part of ShowLoadedHeader).
    void showLoadedHeader();
    // Ticks option i without it counting as the teacher's choice.
    void selectScheme(int scheme);

    QRadioButton *option(int scheme) const {
        return m_options[static_cast<std::size_t>(scheme - 1)];
    }
    QListWidget *fontList() const { return m_fonts; }
    QLabel *sample() const { return m_sample; }
    QCheckBox *boldBox() const { return m_bold; }
    QCheckBox *italicBox() const { return m_italic; }
    QPushButton *changeFontButton() const { return m_change; }
    QPushButton *resetFontButton() const { return m_reset; }

private:
    QWidget *buildOptions();
    QWidget *buildFontControls();
    void fillFontList();
    void selectFont(const QString &name);
    void chooseColorScheme(int scheme);
    void previewFont();
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void styleOptions();
    void setSampleColour(int scheme);

    StoryTemplate &m_story;
    const Palette &m_palette;
    std::array<QRadioButton *, kColorSchemeCount> m_options{};
    QListWidget *m_fonts = nullptr;
    QLabel *m_sample = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_reset = nullptr;
    QFont m_optionFont;
};

} // namespace quillora
