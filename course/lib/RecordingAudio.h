// The sample work on a listening recording, free of files and processes:
// reading and writing 16-bit PCM WAV, the speech level, trimming the silence
// around the sentence, and bringing it to the course's loudness.
#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace course::audio {

// A mono recording: samples in [-1, 1] at rate samples per second.
struct Pcm {
    int rate = 0;
    std::vector<float> samples;
    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// The sample rate of every built recording.
inline constexpr int kRate = 22050;
// Speech level of every built recording (dB of full scale, see speechLevelDb).
inline constexpr double kSpeechLevelDb = -20.0;
// Silence kept before and after the sentence (seconds).
inline constexpr double kMarginSeconds = 0.1;

// A 16-bit PCM WAV file (any rate, channels mixed to one); nothing when the
// bytes are no such file or hold no sample.
std::optional<Pcm> readWav(const QByteArray &bytes);
// The recording as a 16-bit PCM mono WAV file.
QByteArray wavBytes(const Pcm &pcm);

// The level of the speech in dB of full scale: the mean power of the 20 ms
// frames that carry speech (see speechFrames), pauses left out, so a
// sentence with long pauses is as loud as one without. -inf for silence.
double speechLevelDb(const Pcm &pcm);

// The first and last 20 ms frame that carry speech: frames louder than both
// 35 dB below the loudest frame and 12 dB above the quiet floor (the tenth
// quietest in a hundred), so room noise of a teacher's recording counts as
// silence. {-1, -1} for silence.
std::pair<int, int> speechFrames(const Pcm &pcm);

// The recording cut to the speech with margin seconds of silence before and
// after it (silence added where the recording has less).
Pcm trimmed(const Pcm &pcm, double margin = kMarginSeconds);

// The recording brought to the speech level; the rare peak that would go
// past full scale is rounded off softly instead of clipping.
Pcm levelled(const Pcm &pcm, double levelDb = kSpeechLevelDb);

}  // namespace course::audio
