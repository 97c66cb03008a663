#include "course/lib/RecordingAudio.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace course::audio {

namespace {

constexpr double kFrameSeconds = 0.02;

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

int frameLength(const Pcm &pcm) { return std::max(1, int(std::lround(pcm.rate * kFrameSeconds))); }

// Mean power of every whole or last partial frame.
std::vector<double> framePowers(const Pcm &pcm) {
    const int n = frameLength(pcm);
    std::vector<double> powers;
    for (std::size_t start = 0; start < pcm.samples.size(); start += std::size_t(n)) {
        const std::size_t end = std::min(pcm.samples.size(), start + std::size_t(n));
        double sum = 0;
        for (std::size_t i = start; i < end; ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
        powers.push_back(sum / double(end - start));
    }
    return powers;
}

double dB(double power) { return power > 0 ? 10 * std::log10(power) : -INFINITY; }

// The power a frame must pass to count as speech.
double speechThreshold(const std::vector<double> &powers) {
    if (powers.empty()) return INFINITY;
    std::vector<double> sorted = powers;
    std::sort(sorted.begin(), sorted.end());
    const double loudest = sorted.back();
    const double floor = sorted[sorted.size() / 10];
    return std::max({loudest * std::pow(10.0, -3.5), floor * std::pow(10.0, 1.2), 1e-9});
}

}  // namespace

std::optional<Pcm> readWav(const QByteArray &bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return std::nullopt;
    int channels = 0, bits = 0, format = 0;
    Pcm pcm;
    const char *data = nullptr;
    qsizetype dataSize = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min<qsizetype>(size, bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            const char *f = bytes.constData() + body;
            format = le16(f);
            channels = le16(f + 2);
            pcm.rate = int(le32(f + 4));
            bits = le16(f + 14);
            if (format == 0xFFFE && available >= 26) format = le16(f + 24);  // extensible: the sub-format
        } else if (id == "data") {
            data = bytes.constData() + body;
            dataSize = available;
            break;
        }
        at = body + size + (size & 1);
    }
    const bool integer = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = format == 3 && bits == 32;
    if (!data || channels < 1 || pcm.rate < 1000 || (!integer && !floating)) return std::nullopt;
    const int width = bits / 8;
    const qsizetype frames = dataSize / (width * channels);
    if (frames < 1) return std::nullopt;
    pcm.samples.resize(std::size_t(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) {
            const char *s = data + (i * channels + c) * width;
            double v = 0;
            if (floating) v = qFromLittleEndian<float>(s);
            else if (bits == 8) v = (quint8(*s) - 128) / 128.0;
            else if (bits == 16) v = qint16(le16(s)) / 32768.0;
            else if (bits == 24) v = (qint32(quint32(quint8(s[0])) << 8 | quint32(quint8(s[1])) << 16 | quint32(quint8(s[2])) << 24) >> 8) / 8388608.0;
            else v = qint32(le32(s)) / 2147483648.0;
            sum += v;
        }
        pcm.samples[std::size_t(i)] = float(std::clamp(sum / channels, -1.0, 1.0));
    }
    return pcm;
}

QByteArray wavBytes(const Pcm &pcm) {
    QByteArray d;
    auto put32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    auto put16 = [&](quint16 v) { d.append(char(v & 0xFF)); d.append(char(v >> 8)); };
    const quint32 bytes = quint32(pcm.samples.size() * 2);
    d.reserve(qsizetype(44 + bytes));
    d.append("RIFF");
    put32(36 + bytes);
    d.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(quint32(pcm.rate));
    put32(quint32(pcm.rate) * 2);
    put16(2);
    put16(16);
    d.append("data");
    put32(bytes);
    for (float s : pcm.samples) put16(quint16(qint16(std::lround(std::clamp(double(s), -1.0, 1.0) * 32767.0))));
    return d;
}

std::pair<int, int> speechFrames(const Pcm &pcm) {
    const std::vector<double> powers = framePowers(pcm);
    const double threshold = speechThreshold(powers);
    int first = -1, last = -1;
    for (int i = 0; i < int(powers.size()); ++i)
        if (powers[std::size_t(i)] >= threshold) {
            if (first < 0) first = i;
            last = i;
        }
    return {first, last};
}

double speechLevelDb(const Pcm &pcm) {
    const std::vector<double> powers = framePowers(pcm);
    const double threshold = speechThreshold(powers);
    double sum = 0;
    int count = 0;
    for (double p : powers)
        if (p >= threshold) {
            sum += p;
            ++count;
        }
    return count ? dB(sum / count) : -INFINITY;
}

Pcm trimmed(const Pcm &pcm, double margin) {
    const auto [first, last] = speechFrames(pcm);
    Pcm out{pcm.rate, {}};
    if (first < 0) return out;
    const int frame = frameLength(pcm);
    const std::size_t begin = std::size_t(first) * std::size_t(frame);
    const std::size_t end = std::min(pcm.samples.size(), std::size_t(last + 1) * std::size_t(frame));
    const std::size_t pad = std::size_t(std::lround(margin * pcm.rate));
    // Keep what the recording has of the margin, add silence for the rest.
    const std::size_t from = begin > pad ? begin - pad : 0;
    const std::size_t to = std::min(pcm.samples.size(), end + pad);
    out.samples.assign(pad - (begin - from), 0.0f);
    out.samples.insert(out.samples.end(), pcm.samples.begin() + std::ptrdiff_t(from),
                       pcm.samples.begin() + std::ptrdiff_t(to));
    out.samples.insert(out.samples.end(), pad - (to - end), 0.0f);
    return out;
}

Pcm levelled(const Pcm &pcm, double levelDb) {
    const double level = speechLevelDb(pcm);
    Pcm out = pcm;
    if (!std::isfinite(level)) return out;
    const double gain = std::pow(10.0, (levelDb - level) / 20);
    // Above the knee, peaks are bent smoothly towards full scale.
    constexpr double knee = 0.7;
    for (float &s : out.samples) {
        const double v = s * gain;
        const double a = std::abs(v);
        const double bent = a <= knee ? a : knee + (1 - knee) * std::tanh((a - knee) / (1 - knee));
        s = float(std::copysign(bent, v));
    }
    return out;
}

}  // namespace course::audio
