#include "ScanFixture.h"

#include "core/WavFile.h"

#include <cstdint>

namespace quillora::test {

using namespace Qt::StringLiterals;

void FakeScanDisplay::showItemPicture(int item, const QString &picture, bool highlighted) {
    pictures[item] = picture;
    if (highlighted) {
        lit = item;
        litLog.emplace_back(m_clock.now(), item);
    } else if (lit == item) {
        lit = 0;
    }
}

std::vector<int> FakeScanDisplay::litItems() const {
    std::vector<int> items;
    for (const auto &entry : litLog)
        items.push_back(entry.second);
    return items;
}

std::vector<double> FakeScanDisplay::litTimes() const {
    std::vector<double> times;
    for (const auto &entry : litLog)
        times.push_back(entry.first);
    return times;
}

namespace {

void writeSound(const TempAppFolder &folder, const QString &name, double seconds) {
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(seconds * 22050), 0);
    folder.write(name, makeWav(silence));
}

QCoro::Task<> chooseInto(FlowScope &scope, ScanEngine &engine, ScanDisplay &display,
                         ScanRequest request, const Clock &clock, std::optional<int> &chosen,
                         double &chosenAt) {
    const int item = co_await scope(engine.choose(display, request));
    chosen = item;
    chosenAt = clock.now();
}

} // namespace

ScanFixture::ScanFixture()
    : sound(folder.folder(), clock, messages)
    , engine(clock, sound)
    , display(clock) {
    for (const ScanScreen screen :
         {ScanScreen::StudentMenu, ScanScreen::Topic, ScanScreen::CoverColour,
          ScanScreen::WritingPage, ScanScreen::Collection, ScanScreen::AuthorPage,
          ScanScreen::ReadingPage, ScanScreen::YesNo}) {
        for (const ScanButton &item : scanItems(screen, 1)) {
            if (!item.announcement.isEmpty())
                writeSound(folder, item.announcement, 0.6);
        }
    }
    writeSound(folder, u"announce_start_scan.wav"_s, 1.2);
    writeSound(folder, u"com_stop.wav"_s, 0.2);
    writeSound(folder, u"narr1.wav"_s, 2.0);
    writeSound(folder, u"narr2.wav"_s, 1.5);
    writeSound(folder, u"narr3.wav"_s, 1.0);
    writeSound(folder, u"effect.wav"_s, 0.2);
}

void ScanFixture::settings(int accessMode, int scanSeconds, int auditory) {
    engine.setSettings({accessMode, scanSeconds, auditory});
}

void ScanFixture::useScreen(ScanScreen screen, std::initializer_list<int> enabled, int layout) {
    fillScanScreen(engine.scanSet(), engine.announcements(), screen, layout);
    for (const int item : enabled)
        engine.scanSet().setEnabled(item, true);
}

void ScanFixture::choose(ScanRequest request) {
    startedAt = clock.now();
    scope.start(chooseInto(scope, engine, display, std::move(request), clock, chosen, chosenAt));
}

} // namespace quillora::test
