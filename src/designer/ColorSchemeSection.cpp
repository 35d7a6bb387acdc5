#include "designer/ColorSchemeSection.h"

#include "core/template/StoryTemplate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

const QString kDefaultFont = QStringLiteral("Arial");
constexpr int kShownPointSize = 12;

QColor toColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QLabel *whiteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

} // namespace

ColorSchemeSection::ColorSchemeSection(StoryTemplate &story, const Palette &palette,
                                       QWidget *parent)
    : QWidget(parent)
    , m_story(story)
    , m_palette(palette) {
    setObjectName(QStringLiteral("FrameColorScheme"));
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    auto *heading = new QLabel(QStringLiteral("Color Scheme"), box);
    heading->setStyleSheet(QStringLiteral("color: white; font-size: 20px; font-weight: bold;"));
    column->addWidget(heading);
    auto *row = new QHBoxLayout;
    row->addWidget(buildOptions());
    row->addSpacing(24);
    row->addWidget(buildFontControls());
    column->addLayout(row);
    auto *centre = new QVBoxLayout(this);
    centre->addStretch(1);
    centre->addWidget(box, 0, Qt::AlignHCenter);
    centre->addStretch(1);
    resetFonts();
    selectScheme(1);
}

QWidget *ColorSchemeSection::buildOptions() {
    auto *grid = new QWidget(this);
    auto *layout = new QGridLayout(grid);
    auto *group = new QButtonGroup(grid);
    for (int i = 1; i <= kColorSchemeCount; ++i) {
        auto *option = new QRadioButton(QStringLiteral("Text Color"), grid);
        option->setObjectName(QStringLiteral("OptColorScheme%1").arg(i));
        option->setAccessibleName(QStringLiteral("Color scheme %1").arg(i));
        option->setAutoFillBackground(true);
        QPalette p = option->palette();
        p.setColor(QPalette::Window, toColor(m_palette.backColor(i)));
        p.setColor(QPalette::WindowText, toColor(m_palette.textColor(i)));
        option->setPalette(p);
        option->setMinimumHeight(32);
        m_options[static_cast<std::size_t>(i - 1)] = option;
        group->addButton(option, i);
        layout->addWidget(option, (i - 1) / 3, (i - 1) % 3);
    }
    // Only the teacher's clicks count; selectScheme ticks without choosing.
    connect(group, &QButtonGroup::idClicked, this, &ColorSchemeSection::chooseColorScheme);
    return grid;
}

QWidget *ColorSchemeSection::buildFontControls() {
    auto *controls = new QWidget(this);
    auto *column = new QVBoxLayout(controls);
    auto *listLabel = whiteLabel(QStringLiteral("Fonts"), controls);
    m_fonts = new QListWidget(controls);
    m_fonts->setObjectName(QStringLiteral("ListFonts"));
    m_fonts->setAccessibleName(QStringLiteral("Fonts"));
    m_fonts->setMinimumSize(240, 180);
    listLabel->setBuddy(m_fonts);
    m_sample = new QLabel(QStringLiteral("Sample of Font"), controls);
    m_sample->setObjectName(QStringLiteral("LabelSample"));
    m_sample->setAutoFillBackground(true);
    m_sample->setMinimumHeight(40);
    m_sample->setAlignment(Qt::AlignCenter);
    m_bold = new QCheckBox(QStringLiteral("Bold"), controls);
    m_bold->setObjectName(QStringLiteral("CheckFontBold"));
    m_italic = new QCheckBox(QStringLiteral("Italic"), controls);
    m_italic->setObjectName(QStringLiteral("CheckFontItalic"));
    for (QCheckBox *box : {m_bold, m_italic})
        box->setStyleSheet(QStringLiteral("color: white;"));
    m_change = new QPushButton(QStringLiteral("Change Story Font"), controls);
    m_change->setObjectName(QStringLiteral("CmdChangeFont"));
    m_reset = new QPushButton(QStringLiteral("Reset to Default Font"), controls);
    m_reset->setObjectName(QStringLiteral("cmdResetFont"));

    connect(m_fonts, &QListWidget::currentRowChanged, this, [this] { previewFont(); });
    connect(m_bold, &QCheckBox::toggled, this, &ColorSchemeSection::setFontBold);
    connect(m_italic, &QCheckBox::toggled, this, &ColorSchemeSection::setFontItalic);
    connect(m_change, &QPushButton::clicked, this, [this] {
        QListWidgetItem *item = m_fonts->currentItem();
        m_story.fontName = item ? item->text() : QString();
    });
    connect(m_reset, &QPushButton::clicked, this, &ColorSchemeSection::resetFonts);

    auto *styles = new QHBoxLayout;
    styles->addWidget(m_bold);
    styles->addWidget(m_italic);
    column->addWidget(listLabel);
    column->addWidget(m_fonts, 1);
    column->addWidget(m_sample);
    column->addLayout(styles);
    column->addWidget(m_change);
    column->addWidget(m_reset);
    return controls;
}

void ColorSchemeSection::fillFontList() {
    const QSignalBlocker quiet(m_fonts);
    m_fonts->clear();
    m_fonts->addItems(QFontDatabase::families());
}

void ColorSchemeSection::selectFont(const QString &name) {
    QList<QListWidgetItem *> same = m_fonts->findItems(name, Qt::MatchFixedString);
    int row = same.isEmpty() ? 0 : m_fonts->row(same.last());
    if (m_fonts->count() == 0)
        row = -1;
    if (m_fonts->currentRow() == row)
        previewFont();
    else
        m_fonts->setCurrentRow(row);
}

void ColorSchemeSection::selectScheme(int scheme) {
    if (scheme < 1 || scheme > kColorSchemeCount)
        scheme = 1;
    option(scheme)->setChecked(true);
}

void ColorSchemeSection::chooseColorScheme(int scheme) {
    m_story.colorScheme = scheme;
    if (QListWidgetItem *item = m_fonts->currentItem()) {
        setSampleColour(scheme);
        m_story.fontName = item->text();
    }
}

void ColorSchemeSection::setSampleColour(int scheme) {
    QPalette p = m_sample->palette();
    const bool known = scheme >= 1 && scheme <= kColorSchemeCount;
    p.setColor(QPalette::WindowText, known ? toColor(m_palette.textColor(scheme)) : Qt::black);
    p.setColor(QPalette::Window,
               known ? toColor(m_palette.backColor(scheme)) : toColor(m_palette.backColor(1)));
    m_sample->setPalette(p);
}

void ColorSchemeSection::previewFont() {
    QFont font = m_sample->font();
    if (QListWidgetItem *item = m_fonts->currentItem())
        font.setFamily(item->text());
    font.setBold(m_bold->isChecked());
    font.setItalic(m_italic->isChecked());
    m_sample->setFont(font);
}

void ColorSchemeSection::styleOptions() {
    for (QRadioButton *o : m_options)
        o->setFont(m_optionFont);
}

void ColorSchemeSection::setFontBold(bool on) {
    m_optionFont.setBold(on);
    styleOptions();
    QFont font = m_sample->font();
    font.setBold(on);
    m_sample->setFont(font);
    m_story.fontBold = on ? 1 : 0;
}

void ColorSchemeSection::setFontItalic(bool on) {
    m_optionFont.setItalic(on);
    styleOptions();
    QFont font = m_sample->font();
    font.setItalic(on);
    m_sample->setFont(font);
    m_story.fontItalic = on ? 1 : 0;
}

void ColorSchemeSection::resetFonts() {
    fillFontList();
    m_optionFont = QFont(kDefaultFont, kShownPointSize);
    m_optionFont.setBold(true);
    m_optionFont.setItalic(false);
    styleOptions();
    m_story.fontName = kDefaultFont;
    selectFont(kDefaultFont);
    m_sample->setFont(m_optionFont);
    // Set unconditionally so the handlers run even when the boxes already show it.
    m_bold->setChecked(true);
    m_italic->setChecked(false);
    setFontBold(true);
    setFontItalic(false);
    m_story.fontName = kDefaultFont;
    m_story.fontBold = 1;
    m_story.fontItalic = 0;
    setSampleColour(m_story.colorScheme == 0 ? 1 : m_story.colorScheme);
}

void ColorSchemeSection::showLoadedHeader() {
    if (m_story.colorScheme == 0)
        m_story.colorScheme = 1;
    fillFontList();
    if (m_story.fontName.isEmpty())
        m_story.fontName = kDefaultFont;
    const int bold = m_story.fontBold;
    const int italic = m_story.fontItalic;
    selectFont(m_story.fontName);
    QFont font(m_story.fontName, kShownPointSize);
    font.setBold(bold == 1);
    font.setItalic(italic == 1);
    m_sample->setFont(font);
    m_italic->setChecked(italic == 1);
    m_bold->setChecked(bold == 1);
    setFontItalic(italic == 1);
    setFontBold(bold == 1);
    setSampleColour(m_story.colorScheme);
    selectScheme(m_story.colorScheme);
}

} // namespace quillora
