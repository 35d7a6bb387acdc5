#include "MidiWriter.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

namespace quillora::assets {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerEighth = kTicksPerQuarter / 2;

struct Event {
    int tick = 0;
    int order = 0; // at the same tick: set-up first, then note-offs, then note-ons
    QByteArray bytes;
};

std::optional<int> noteNumber(const QString &name) {
    static const QRegularExpression pattern(QStringLiteral("^([A-G])([#b]?)(-?\\d)$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    static const QHash<QChar, int> steps{
        {QLatin1Char('C'), 0}, {QLatin1Char('D'), 2}, {QLatin1Char('E'), 4}, {QLatin1Char('F'), 5},
        {QLatin1Char('G'), 7}, {QLatin1Char('A'), 9}, {QLatin1Char('B'), 11}};
    int key = steps.value(match.captured(1).at(0));
    if (match.captured(2) == QLatin1String("#"))
        ++key;
    else if (match.captured(2) == QLatin1String("b"))
        --key;
    key += (match.captured(3).toInt() + 1) * 12;
    if (key < 0 || key > 127)
        return std::nullopt;
    return key;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v & 0xFF));
    return out;
}

void appendVariableLength(QByteArray &out, quint32 value) {
    QByteArray reversed;
    reversed.append(static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        reversed.append(static_cast<char>((value & 0x7F) | 0x80));
    std::reverse(reversed.begin(), reversed.end());
    out.append(reversed);
}

void appendBigEndian(QByteArray &out, quint32 value, int size) {
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

bool addVoice(const MidiVoice &voice, std::vector<Event> &events) {
    const int ch = voice.channel & 0x0F;
    events.push_back({0, 0, bytes({0xC0 | ch, voice.program})});
    int tick = 0;
    const QStringList tokens = voice.line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        const QStringList parts = token.split(QLatin1Char('/'));
        bool ok = false;
        const int eighths = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        if (!ok || eighths <= 0)
            return false;
        const int length = eighths * kTicksPerEighth;
        if (parts[0] != QLatin1String("r")) {
            const auto key = noteNumber(parts[0]);
            if (!key)
                return false;
            // Notes end a little early so repeated notes are heard as two.
            events.push_back({tick, 2, bytes({0x90 | ch, *key, voice.velocity})});
            events.push_back({tick + length - 20, 1, bytes({0x80 | ch, *key, 64})});
        }
        tick += length;
    }
    return true;
}

MidiSong logoTune1() {
    return {132,
            {{0, 9, 100,
              QStringLiteral("C5/1 E5/1 G5/1 C6/1 B5/1 G5/1 E5/2 F5/1 A5/1 C6/1 A5/1 "
                             "G5/2 E5/2 D5/1 F5/1 A5/1 G5/1 F5/1 D5/1 B4/2 C5/2 G5/2 "
                             "C6/4")},
             {1, 0, 70,
              QStringLiteral("C4/2 E4/2 C4/2 E4/2 F4/2 A4/2 E4/2 G4/2 D4/2 F4/2 D4/2 "
                             "G4/2 E4/2 G4/2 E4/4")},
             {2, 32, 95, QStringLiteral("C3/4 G2/4 F2/4 C3/4 D3/4 G2/4 C3/4 C2/4")}}};
}

MidiSong logoTune2() {
    return {140,
            {{0, 12, 105,
              QStringLiteral("G4/1 B4/1 D5/2 B4/1 D5/1 G5/2 E5/1 D5/1 C5/1 B4/1 A4/4 "
                             "F#4/1 A4/1 D5/2 C5/1 A4/1 F#4/2 G4/2 D5/2 G5/4")},
             {1, 45, 80,
              QStringLiteral("G3/2 B3/2 G3/2 B3/2 C4/2 E4/2 A3/2 C4/2 D4/2 F#4/2 "
                             "D4/2 C4/2 B3/2 D4/2 G3/4")},
             {2, 33, 95, QStringLiteral("G2/4 D3/4 C3/4 A2/4 D3/4 D2/4 G2/4 G2/4")}}};
}

// A gentle tune for reading the demo story; it restarts at the next page turn.
MidiSong storyTune() {
    return {96,
            {{0, 73, 85,
              QStringLiteral("F5/2 A5/2 C6/2 A5/2 G5/2 Bb5/2 A5/4 F5/2 A5/2 C6/2 D6/2 "
                             "C6/6 r/2 D6/2 C6/2 A5/2 F5/2 G5/2 A5/2 G5/4 E5/2 G5/2 "
                             "C6/2 Bb5/2 A5/2 G5/2 F5/4")},
             {1, 24, 70,
              QStringLiteral("F3/1 A3/1 C4/1 A3/1 F3/1 A3/1 C4/1 A3/1 "
                             "C3/1 E3/1 G3/1 Bb3/1 C3/1 E3/1 G3/1 Bb3/1 "
                             "F3/1 A3/1 C4/1 A3/1 F3/1 A3/1 C4/1 A3/1 "
                             "C3/1 E3/1 G3/1 E3/1 C3/1 E3/1 G3/1 E3/1 "
                             "Bb2/1 D3/1 F3/1 D3/1 Bb2/1 D3/1 F3/1 D3/1 "
                             "C3/1 E3/1 G3/1 E3/1 C3/1 E3/1 G3/1 E3/1 "
                             "C3/1 E3/1 G3/1 Bb3/1 C3/1 E3/1 G3/1 Bb3/1 "
                             "F3/1 A3/1 C4/1 A3/1 F3/4")}}};
}

} // namespace

QByteArray writeMidi(const MidiSong &song) {
    std::vector<Event> events;
    const quint32 microsPerQuarter = 60000000u / static_cast<quint32>(song.beatsPerMinute);
    QByteArray tempo = bytes({0xFF, 0x51, 0x03});
    appendBigEndian(tempo, microsPerQuarter, 3);
    events.push_back({0, 0, tempo});
    events.push_back({0, 0, bytes({0xFF, 0x58, 0x04, 4, 2, 24, 8})}); // 4/4 time
    for (const MidiVoice &voice : song.voices)
        if (!addVoice(voice, events))
            return {};
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    QByteArray track;
    int last = 0;
    for (const Event &event : events) {
        appendVariableLength(track, static_cast<quint32>(event.tick - last));
        track.append(event.bytes);
        last = event.tick;
    }
    appendVariableLength(track, kTicksPerEighth); // a short breath before the end
    track.append(bytes({0xFF, 0x2F, 0x00}));

    QByteArray file("MThd", 4);
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 0, 2); // format 0: one track
    appendBigEndian(file, 1, 2);
    appendBigEndian(file, kTicksPerQuarter, 2);
    file.append("MTrk", 4);
    appendBigEndian(file, static_cast<quint32>(track.size()), 4);
    file.append(track);
    return file;
}

QByteArray tuneFile(const QString &name) {
    if (name == QLatin1String("aobj_logo_midi1.mid"))
        return writeMidi(logoTune1());
    if (name == QLatin1String("aobj_logo_midi2.mid"))
        return writeMidi(logoTune2());
    if (name == QLatin1String("background_music_1.mid"))
        return writeMidi(storyTune());
    return {};
}

QStringList storyTuneNames() {
    return {QStringLiteral("background_music_1.mid")};
}

} // namespace quillora::assets
