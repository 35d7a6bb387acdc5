#pragma once

#include "FakeServices.h"
#include "TempAppFolder.h"
#include "core/template/StoryTemplate.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace quillora::test {

// One path of simple pages 102, 103, ... in slots 1.., each leading to the next.
inline StoryTemplate linearStory(int storyId, int pages) {
    StoryTemplate story;
    story.storyId = storyId;
    for (int slot = 1; slot <= pages; ++slot) {
        TemplatePage &page = story.page(slot);
        page.inUse = true;
        page.pageId = 101 + slot;
        page.layout = kLayoutSimple;
        for (PageChoice &choice : page.choices)
            choice.prevPageId = slot == 1 ? 0 : 100 + slot;
        page.choice(1).nextPageId = slot == pages ? 0 : 102 + slot;
    }
    return story;
}

inline QByteArray fixtureBytes(const QString &name) {
    QFile file(QStringLiteral(QUILLORA_TEST_SOURCE_DIR "/core/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture");
    return file.readAll();
}

// Puts a fixture into the application folder, under its own name or another.
inline void installFixture(const TempAppFolder &app, const QString &name,
                           const QString &as = QString()) {
    app.write(as.isEmpty() ? name : as, fixtureBytes(name));
}

} // namespace quillora::test
