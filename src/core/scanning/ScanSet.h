#pragma once

#include <QString>

#include <array>

namespace quillora {

// Table sizes of the scan: the enabled flags reach further than any screen needs, so a
// screen can clear them all without knowing how many the last screen used.
inline constexpr int kScanEnabledSlots = 50;
inline constexpr int kScanPictureSlots = 20;
inline constexpr int kAnnouncementSlots = 10;
// Every item must be able to announce itself, so a screen scans at most this many.
inline constexpr int kScanItemLimit = kAnnouncementSlots;

// The highlighted twin of a button picture: "_active" before ".jpg".
QString highlightedPictureName(const QString &picture);

// The scannable buttons of the screen now shown, numbered from 1 as on the screens. Each
// screen refills it before it scans. Item numbers outside the tables are ignored, and read
// back as disabled and without pictures.
class ScanSet {
public:
    int count() const { return m_count; }
    // Limited to 0..10.
    void setCount(int count);

    // A screen that sets up its items first clears all fifty flags.
    void clearEnabled();
    void setEnabled(int item, bool enabled);
    bool isEnabled(int item) const;
    bool anyEnabled() const;

    // The normal picture, with the highlighted one named by the "_active" convention.
    void setPicture(int item, const QString &picture);
    void setPictures(int item, const QString &normal, const QString &highlighted);
    QString picture(int item) const;
    QString highlightedPicture(int item) const;

    // The next enabled item after the given one, wrapping from the last item to the first.
    // With no enabled item at all the highlight stays where it is.
    int nextEnabledAfter(int item) const;
    // The first enabled item at or after the given one (wrapping), or the item itself when
    // none is enabled.
    int firstEnabledFrom(int item) const;

private:
    struct Pictures {
        QString normal;
        QString highlighted;
    };
    int m_count = 0;
    std::array<bool, kScanEnabledSlots> m_enabled{};
    std::array<Pictures, kScanPictureSlots> m_pictures{};
};

// The spoken name of each item: slot n belongs to item n. Bare names, taken from the
// application folder; an empty slot means the item is not announced.
class AnnouncementTable {
public:
    void clear();
    void set(int slot, const QString &wave);
    QString at(int slot) const;

private:
    std::array<QString, kAnnouncementSlots> m_slots{};
};

} // namespace quillora
