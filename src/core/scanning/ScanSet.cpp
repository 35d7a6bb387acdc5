#include "core/scanning/ScanSet.h"

#include <algorithm>

namespace quillora {

namespace {

bool inTable(int item, int size) {
    return item >= 1 && item <= size;
}

std::size_t slot(int item) {
    return static_cast<std::size_t>(item - 1);
}

} // namespace

QString highlightedPictureName(const QString &picture) {
    static const QString extension = QStringLiteral(".jpg");
    if (picture.endsWith(extension, Qt::CaseInsensitive))
        return picture.left(picture.size() - extension.size()) + QStringLiteral("_active") +
               picture.right(extension.size());
    return picture + QStringLiteral("_active");
}

void ScanSet::setCount(int count) {
    m_count = std::clamp(count, 0, kScanItemLimit);
}

void ScanSet::clearEnabled() {
    m_enabled.fill(false);
}

void ScanSet::setEnabled(int item, bool enabled) {
    if (inTable(item, kScanEnabledSlots))
        m_enabled[slot(item)] = enabled;
}

bool ScanSet::isEnabled(int item) const {
    return inTable(item, kScanEnabledSlots) && m_enabled[slot(item)];
}

bool ScanSet::anyEnabled() const {
    for (int item = 1; item <= m_count; ++item) {
        if (isEnabled(item))
            return true;
    }
    return false;
}

void ScanSet::setPicture(int item, const QString &picture) {
    setPictures(item, picture, highlightedPictureName(picture));
}

void ScanSet::setPictures(int item, const QString &normal, const QString &highlighted) {
    if (inTable(item, kScanPictureSlots))
        m_pictures[slot(item)] = {normal, highlighted};
}

QString ScanSet::picture(int item) const {
    return inTable(item, kScanPictureSlots) ? m_pictures[slot(item)].normal : QString();
}

QString ScanSet::highlightedPicture(int item) const {
    return inTable(item, kScanPictureSlots) ? m_pictures[slot(item)].highlighted : QString();
}

int ScanSet::nextEnabledAfter(int item) const {
    int next = item;
    // Bounded: a set with no enabled item would otherwise go round for ever.
    for (int tries = 0; tries < m_count; ++tries) {
        next = next + 1 > m_count ? 1 : next + 1;
        if (isEnabled(next))
            return next;
    }
    return item;
}

int ScanSet::firstEnabledFrom(int item) const {
    if (isEnabled(item))
        return item;
    return nextEnabledAfter(item);
}

void AnnouncementTable::clear() {
    m_slots.fill(QString());
}

void AnnouncementTable::set(int slotNumber, const QString &wave) {
    if (inTable(slotNumber, kAnnouncementSlots))
        m_slots[slot(slotNumber)] = wave;
}

QString AnnouncementTable::at(int slotNumber) const {
    return inTable(slotNumber, kAnnouncementSlots) ? m_slots[slot(slotNumber)] : QString();
}

} // namespace quillora
