#include "core/scanning/ScanScreens.h"

#include "core/scanning/ScanSet.h"
#include "core/template/StoryTemplate.h"

namespace quillora {

using namespace Qt::StringLiterals;

ScanScreenRules scanScreenRules(ScanScreen screen) {
    switch (screen) {
    case ScanScreen::StudentMenu:
        return {.preludeTakesEscape = true, .escapeLeaves = true, .startsAtFirstEnabled = false};
    case ScanScreen::CoverColour:
    case ScanScreen::WritingPage:
    case ScanScreen::Collection:
    case ScanScreen::ReadingPage:
        return {.preludeTakesEscape = false, .escapeLeaves = false, .startsAtFirstEnabled = true};
    case ScanScreen::Topic:
    case ScanScreen::AuthorPage:
    case ScanScreen::YesNo:
        break;
    }
    return {};
}

namespace {

QList<ScanButton> writingPageItems(int pageLayout) {
    const bool simple = pageLayout == kLayoutSimple;
    // On a decision page the choices speak their own narration instead of a name.
    const ScanButton choice =
        simple ? ScanButton{u"aobj_write_button.jpg"_s, u"announce_write_this_page.wav"_s}
               : ScanButton{u"aobj_check_button_only.jpg"_s, {}};
    return {
        choice,
        choice,
        choice,
        {u"aobj_button_write_save_book.jpg"_s, u"announce_write_save_book.wav"_s},
        {u"aobj_button_skip_page.jpg"_s, u"announce_skip_page.wav"_s},
        {u"aobj_button_start_over.jpg"_s, u"announce_start_over.wav"_s},
        {u"aobj_main_menu_button.jpg"_s, u"announce_main_menu.wav"_s},
    };
}

QList<ScanButton> coverColourItems() {
    QList<ScanButton> items;
    for (const QString &colour :
         {u"green"_s, u"blue"_s, u"purple"_s, u"gray"_s, u"orange"_s, u"red"_s})
        items.append({u"aobj_check_button.jpg"_s, u"announce_"_s + colour + u".wav"_s});
    return items;
}

} // namespace

QList<ScanButton> scanItems(ScanScreen screen, int pageLayout) {
    switch (screen) {
    case ScanScreen::StudentMenu:
        return {{u"aobj_write_book_button.jpg"_s, u"announce_write_book.wav"_s},
                {u"aobj_read_book_button.jpg"_s, u"announce_read_book.wav"_s},
                {u"aobj_delete_book_button.jpg"_s, u"announce_delete_book.wav"_s}};
    case ScanScreen::Topic:
        return {{u"aobj_check_button.jpg"_s, u"announce_choose_this_book.wav"_s},
                {u"aobj_next_topic_button.jpg"_s, u"announce_next_topic.wav"_s},
                {u"aobj_back_button.jpg"_s, u"announce_back.wav"_s},
                {u"aobj_main_menu_button.jpg"_s, u"announce_main_menu.wav"_s}};
    case ScanScreen::CoverColour:
        return coverColourItems();
    case ScanScreen::WritingPage:
        return writingPageItems(pageLayout);
    case ScanScreen::Collection:
        return {{u"aobj_check_button.jpg"_s, u"announce_choose_this_book.wav"_s},
                {u"aobj_next_book_button.jpg"_s, u"announce_next_book.wav"_s},
                {u"aobj_back_button.jpg"_s, u"announce_back.wav"_s},
                {u"aobj_delete_story_button.jpg"_s, u"announce_delete_this_book.wav"_s},
                {u"aobj_main_menu_button.jpg"_s, u"announce_main_menu.wav"_s}};
    case ScanScreen::AuthorPage:
        return {{u"aobj_next_button.jpg"_s, u"announce_turn_to_first_page.wav"_s},
                {u"aobj_done_button.jpg"_s, u"announce_done.wav"_s},
                {u"aobj_print_button.jpg"_s, u"announce_print.wav"_s}};
    case ScanScreen::ReadingPage:
        return {{u"aobj_next_page_button.jpg"_s, u"announce_next_page.wav"_s},
                {u"aobj_read_button.jpg"_s, u"announce_read.wav"_s},
                {u"aobj_back_button.jpg"_s, u"announce_back.wav"_s},
                {u"aobj_done_button.jpg"_s, u"announce_done.wav"_s},
                {u"aobj_print_button.jpg"_s, u"announce_print.wav"_s},
                {u"aobj_button_read_again.jpg"_s, u"announce_read_story_again.wav"_s}};
    case ScanScreen::YesNo:
        return {{u"aobj_button_yes.jpg"_s, u"announce_yes.wav"_s},
                {u"aobj_button_no.jpg"_s, u"announce_no.wav"_s}};
    }
    return {};
}

void fillScanScreen(ScanSet &set, AnnouncementTable &announcements, ScanScreen screen,
                    int pageLayout) {
    const QList<ScanButton> items = scanItems(screen, pageLayout);
    set.clearEnabled();
    announcements.clear();
    set.setCount(static_cast<int>(items.size()));
    for (int item = 1; item <= items.size(); ++item) {
        const ScanButton &button = items[item - 1];
        set.setPicture(item, button.picture);
        announcements.set(item, button.announcement);
    }
}

PageSpeech pageSpeech(const TemplatePage &page) {
    PageSpeech speech;
    speech.layout = page.layout;
    for (int number = 1; number <= kChoicesPerPage; ++number) {
        const PageChoice &choice = page.choice(number);
        speech.choices[static_cast<std::size_t>(number - 1)] = {choice.recording,
                                                                choice.soundEffect};
    }
    return speech;
}

} // namespace quillora
