#pragma once

#include "core/Result.h"

#include <QString>

#include <array>

namespace quillora {

class AppFolder;

inline constexpr char kInterfaceTextsFile[] = "literals.txt";

// The replaceable texts of the student screens, one per line of "literals.txt", numbered
// by their line. A school translates the student screens by editing that file.
enum class Literal {
    ChooseBookCover = 1,
    StorySaved,
    Printing,
    CollectionSuffix,
    ReadHeading,
    DeleteHeading,
    ChooseTopic,
    CompilingPages,
    TopicWord,
    OfWord,
    Oops,
    NoPagesWritten,
    StartOver,
    ChoiceForward,
    ChoiceBack,
    DeleteQuestionScanning,
    DeleteQuestionMouse,
    Erasing,
    NowChoose,
    Writing,
    AuthorWord,
    VersionWord,
    BookWord,
    PageWord,
    StoryDeleted,
};

inline constexpr int kLiteralCount = 25;

class InterfaceTexts {
public:
    // The designed texts, used while "literals.txt" is absent.
    InterfaceTexts();

    const QString &text(Literal which) const { return m_texts[index(which)]; }

    // "word number of total", e.g. "Topic 2 of 5"; the word comes first, with no space in
    // front of it.
    QString counter(Literal word, int number, int total) const;

    // Re-reads "literals.txt". An absent file changes nothing and is no error: the designed
    // texts stand. A file that cannot be read, or that holds fewer than 25 lines, is
    // reported; whatever lines it has are still applied.
    Result<void> load(const AppFolder &folder);

private:
    static constexpr std::size_t index(Literal which) {
        return static_cast<std::size_t>(which) - 1;
    }
    std::array<QString, kLiteralCount> m_texts;
};

} // namespace quillora
