#pragma once

namespace quillora {

// The items of the writing screen, numbered as the scan numbers them: the picture choices of
// the page, then the buttons under and beside it.
enum WritingItem {
    FirstChoice = 1,
    SecondChoice,
    ThirdChoice,
    WriteAndSave,
    SkipPage,
    StartOver,
    BackToMenu,
};

} // namespace quillora
