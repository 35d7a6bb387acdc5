#include "SoundSynth.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace quillora::assets {

namespace {

constexpr double kRate = kSampleRate;
constexpr double kTwoPi = 2.0 * M_PI;

using Buffer = std::vector<double>;

Buffer silence(double seconds) {
    return Buffer(static_cast<size_t>(seconds * kRate), 0.0);
}

// Adds `source` into `target` from `at` seconds on, growing the target when needed.
void mix(Buffer &target, const Buffer &source, double at, double gain = 1.0) {
    const auto start = static_cast<size_t>(at * kRate);
    if (target.size() < start + source.size())
        target.resize(start + source.size(), 0.0);
    for (size_t i = 0; i < source.size(); ++i)
        target[start + i] += gain * source[i];
}

// A resonant band-pass (RBJ biquad, constant peak gain) whose centre may move.
class BandPass {
public:
    void tune(double centre, double q) {
        const double w = kTwoPi * centre / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2.0 * std::cos(w) / a0;
        m_a2 = (1.0 - alpha) / a0;
    }
    double step(double x) {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

class Noise {
public:
    explicit Noise(unsigned seed)
        : m_engine(seed) {}
    double next() { return m_dist(m_engine); }

private:
    std::minstd_rand m_engine;
    std::uniform_real_distribution<double> m_dist{-1.0, 1.0};
};

// Filtered noise whose band centre glides from `from` to `to` Hz under a rise-and-fall
// envelope: the rustle of paper and the rub of an eraser.
Buffer sweptNoise(double seconds, double from, double to, double q, unsigned seed,
                  double attack = 0.25) {
    Buffer out = silence(seconds);
    Noise noise(seed);
    BandPass filter;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(out.size());
        if (i % 32 == 0)
            filter.tune(from * std::pow(to / from, t), q);
        const double envelope = t < attack ? std::sin(M_PI / 2 * t / attack)
                                           : std::pow(1.0 - (t - attack) / (1.0 - attack), 1.5);
        out[i] = filter.step(noise.next()) * envelope;
    }
    return out;
}

// A struck object: decaying sine partials (frequency ratio, level, decay time).
Buffer strike(double seconds, double base, std::initializer_list<std::array<double, 3>> partials) {
    Buffer out = silence(seconds);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.003);
        double value = 0;
        for (const auto &[ratio, level, decay] : partials)
            value += level * std::exp(-t / decay) * std::sin(kTwoPi * base * ratio * t);
        out[i] = attack * value;
    }
    return out;
}

Buffer click(double seconds, double centre, unsigned seed) {
    Buffer out = silence(seconds);
    Noise noise(seed);
    BandPass filter;
    filter.tune(centre, 4.0);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        out[i] = filter.step(noise.next()) * std::exp(-t / (seconds / 4));
    }
    return out;
}

Buffer bell() {
    return strike(1.2, 1046.5,
                  {{{1.0, 1.0, 0.32}},
                   {{2.0, 0.55, 0.22}},
                   {{2.41, 0.35, 0.16}},
                   {{3.0, 0.22, 0.12}},
                   {{4.53, 0.16, 0.10}},
                   {{5.4, 0.10, 0.07}}});
}

// One line of a dot-matrix print head: quick pin strikes riding on the carriage's whine.
Buffer printLine(double seconds, unsigned seed) {
    Buffer out = silence(seconds);
    std::minstd_rand engine(seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    const Buffer pin = click(0.004, 3200, seed + 1);
    for (double t = 0; t + 0.004 < seconds; t += 1.0 / 190) {
        if (chance(engine) < 0.8)
            mix(out, pin, t, 0.7);
    }
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        out[i] += 0.05 * std::sin(kTwoPi * 420 * t) * std::sin(M_PI * t / seconds);
    }
    return out;
}

Buffer printer() {
    Buffer out;
    mix(out, printLine(0.5, 11), 0.0);
    mix(out, sweptNoise(0.18, 2500, 900, 3.0, 12), 0.52, 0.5);
    mix(out, printLine(0.5, 13), 0.72);
    return out;
}

Buffer printing() {
    Buffer out;
    // Paper feed: a low, pulsing rumble.
    Buffer feed = sweptNoise(0.5, 300, 500, 1.5, 21, 0.2);
    for (size_t i = 0; i < feed.size(); ++i)
        feed[i] *= 0.6 + 0.4 * std::sin(kTwoPi * 24 * static_cast<double>(i) / kRate);
    mix(out, feed, 0.0, 0.8);
    mix(out, printLine(0.55, 22), 0.55);
    mix(out, sweptNoise(0.18, 2500, 900, 3.0, 23), 1.12, 0.5);
    mix(out, printLine(0.55, 24), 1.32);
    mix(out, sweptNoise(0.45, 700, 3500, 1.2, 25), 1.95, 0.7); // the sheet slides out
    return out;
}

Buffer stapler() {
    Buffer out;
    mix(out, strike(0.15, 70, {{{1.0, 1.0, 0.04}}, {{2.3, 0.4, 0.02}}}), 0.0, 0.8);
    mix(out, click(0.02, 900, 31), 0.0, 0.6);
    mix(out, click(0.05, 3800, 32), 0.16, 1.0);
    mix(out, strike(0.25, 2600, {{{1.0, 0.5, 0.05}}, {{1.58, 0.4, 0.04}}}), 0.16, 0.5);
    mix(out, click(0.03, 1500, 33), 0.42, 0.4); // the spring lets go
    return out;
}

Buffer pageTurn(bool forward) {
    Buffer out = forward ? sweptNoise(0.65, 700, 4200, 1.1, 41, 0.35)
                         : sweptNoise(0.65, 4200, 700, 1.1, 42, 0.2);
    // The page lands with a soft flap.
    mix(out, strike(0.12, 110, {{{1.0, 0.5, 0.03}}}), forward ? 0.55 : 0.05, 0.6);
    return out;
}

Buffer undoing() {
    Buffer out;
    for (int stroke = 0; stroke < 4; ++stroke) {
        Buffer rub = sweptNoise(0.22, stroke % 2 ? 1400 : 1000, stroke % 2 ? 900 : 1300, 0.9,
                                50 + static_cast<unsigned>(stroke), 0.3);
        for (size_t i = 0; i < rub.size(); ++i)
            rub[i] *= 0.7 + 0.3 * std::sin(kTwoPi * 32 * static_cast<double>(i) / kRate);
        mix(out, rub, stroke * 0.29);
    }
    return out;
}

Buffer chirp(double seconds, double from, double to, double warble) {
    Buffer out = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(out.size());
        const double frequency = from + (to - from) * t + warble * std::sin(kTwoPi * 35 * t);
        phase += kTwoPi * frequency / kRate;
        out[i] = std::sin(phase) * std::sin(M_PI * t);
    }
    return out;
}

Buffer birds() {
    Buffer out = silence(1.6);
    const double times[] = {0.0, 0.12, 0.24, 0.55, 0.67, 0.95, 1.07, 1.19, 1.35};
    for (size_t i = 0; i < std::size(times); ++i) {
        const bool high = i % 3 != 2;
        mix(out, chirp(0.08, high ? 3600 : 2800, high ? 5200 : 3600, 250), times[i],
            high ? 0.8 : 0.6);
    }
    return out;
}

std::vector<std::int16_t> toPcm(const Buffer &buffer, double peak) {
    double loudest = 0;
    for (const double v : buffer)
        loudest = std::max(loudest, std::fabs(v));
    const double gain = loudest > 0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> pcm(buffer.size());
    for (size_t i = 0; i < buffer.size(); ++i) {
        // Short fades at both ends keep the sound from clicking.
        const double edge = std::min({1.0, static_cast<double>(i) / 64.0,
                                      static_cast<double>(buffer.size() - 1 - i) / (0.03 * kRate)});
        pcm[i] = static_cast<std::int16_t>(std::lround(buffer[i] * gain * edge));
    }
    return pcm;
}

const QHash<QString, std::function<Buffer()>> &effects() {
    static const QHash<QString, std::function<Buffer()>> table{
        {QStringLiteral("aobj_bell.wav"), bell},
        {QStringLiteral("aobj_printer.wav"), printer},
        {QStringLiteral("aobj_printing.wav"), printing},
        {QStringLiteral("aobj_stapling_pages.wav"), stapler},
        {QStringLiteral("aobj_turn_page.wav"), [] { return pageTurn(true); }},
        {QStringLiteral("aobj_turn_page_backward.wav"), [] { return pageTurn(false); }},
        {QStringLiteral("aobj_undoing.wav"), undoing},
        // Played only to cut another sound off, so it is short and silent.
        {QStringLiteral("com_stop.wav"), [] { return silence(0.05); }},
        {QStringLiteral("page_sfx_1_106_1.wav"), birds},
    };
    return table;
}

} // namespace

std::vector<std::int16_t> synthesiseEffect(const QString &name) {
    const auto found = effects().find(name);
    if (found == effects().end())
        return {};
    return toPcm(found.value()(), 0.7);
}

QStringList storyEffectNames() {
    return {QStringLiteral("page_sfx_1_106_1.wav")};
}

} // namespace quillora::assets
