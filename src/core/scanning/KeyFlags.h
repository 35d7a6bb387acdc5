#pragma once

namespace quillora {

// The three keys the student screens listen to; switches are wired to send Space and Enter.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;

// What the switches have said and not yet been heard. A press counts only when the key was
// released since it last counted, so a switch held down (and the keyboard's repetition,
// including X11's release/press pairs) steps once, never twice.
struct KeyFlags {
    bool spacePressed = false;
    bool enterPressed = false;
    bool escapeRequested = false;
    bool spaceReleased = true;
    bool enterReleased = true;
    bool escapeReleased = true;

    // True when the press counted. Any other key is ignored.
    bool keyDown(int code);
    void keyUp(int code);

    // Screens call this before they start scanning, so a release the program never saw
    // (the key went up while another window had the focus) cannot block a switch.
    void assumeReleased(bool escapeToo);
};

} // namespace quillora
