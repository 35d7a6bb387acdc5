#include "core/scanning/KeyFlags.h"

namespace quillora {

namespace {

bool countPress(bool &released, bool &pressed) {
    if (!released)
        return false;
    pressed = true;
    released = false;
    return true;
}

} // namespace

bool KeyFlags::keyDown(int code) {
    switch (code) {
    case kKeySpace:
        return countPress(spaceReleased, spacePressed);
    case kKeyEnter:
        return countPress(enterReleased, enterPressed);
    case kKeyEscape:
        return countPress(escapeReleased, escapeRequested);
    default:
        return false;
    }
}

void KeyFlags::keyUp(int code) {
    switch (code) {
    case kKeySpace:
        spaceReleased = true;
        break;
    case kKeyEnter:
        enterReleased = true;
        break;
    case kKeyEscape:
        escapeReleased = true;
        break;
    default:
        break;
    }
}

void KeyFlags::assumeReleased(bool escapeToo) {
    spaceReleased = true;
    enterReleased = true;
    if (escapeToo)
        escapeReleased = true;
}

} // namespace quillora
