#include "core/InterfaceTexts.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"

#include <QFileInfo>

namespace quillora {

InterfaceTexts::InterfaceTexts() {
    auto set = [this](Literal which, const char16_t *text) {
        m_texts[index(which)] = QString::fromUtf16(text);
    };
    set(Literal::ChooseBookCover, u"Choose a Book Cover");
    set(Literal::StorySaved, u"The book has been added to your collection");
    set(Literal::Printing, u"Printing");
    set(Literal::CollectionSuffix, u"'s Book Collection");
    set(Literal::ChooseTopic, u"Choose a Topic for your Book");
    set(Literal::CompilingPages, u"I am now putting your pages together.");
    set(Literal::Oops, u"Oops!");
    set(Literal::NoPagesWritten, u"You didn't write any pages.");
    set(Literal::StartOver, u"Let's Start Over");
    set(Literal::Erasing, u"Undoing");
    set(Literal::NowChoose, u"Now you can choose");
    set(Literal::Writing, u"Writing Page");
    set(Literal::StoryDeleted, u"The Book was Deleted from your Collection.");
}

QString InterfaceTexts::counter(Literal word, int number, int total) const {
    return text(word) + QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ') +
           text(Literal::OfWord) + QLatin1Char(' ') + QString::number(total);
}

Result<void> InterfaceTexts::load(const AppFolder &folder) {
    const QString path = folder.filePath(QLatin1String(kInterfaceTextsFile));
    if (!QFileInfo::exists(path))
        return {};
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    const qsizetype count = std::min<qsizetype>(lines->size(), kLiteralCount);
    for (qsizetype i = 0; i < count; ++i)
        m_texts[static_cast<std::size_t>(i)] = lines->at(i);
    if (count < kLiteralCount)
        return FileError{QStringLiteral("The file holds %1 of the %2 interface texts; the others "
                                        "keep their built-in wording")
                             .arg(count)
                             .arg(kLiteralCount),
                         QLatin1String(kInterfaceTextsFile), static_cast<int>(count) + 1};
    return {};
}

} // namespace quillora
