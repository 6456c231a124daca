#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

// The format to open an audio sink with for PCM samples of this shape; 8-bit
// samples are unsigned, 16-bit ones signed. Invalid when the shape is not one
// the game's sounds have.
inline QAudioFormat audioFormatFor(int sampleRate, int channels, int bitsPerSample)
{
    QAudioFormat format;
    if (sampleRate <= 0 || channels <= 0 || (bitsPerSample != 8 && bitsPerSample != 16))
        return format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

// `samples` in `from`'s format written again in `to`'s: each channel of a
// mono sound to every channel, the rate changed by straight lines between
// neighbouring samples, the values scaled to the new sample format. Windows
// plays shared audio only in its device's own format, and Qt converts to it
// with Media Foundation's resampler, which not every system can set up;
// converted once, beforehand, a sound needs no resampler. Empty when either
// format is one this does not know.
inline QByteArray convertSamples(const QByteArray &samples, const QAudioFormat &from,
                                 const QAudioFormat &to)
{
    const int inFrameBytes = from.bytesPerFrame();
    const int outSampleBytes = to.bytesPerSample();
    if (!from.isValid() || !to.isValid() || inFrameBytes <= 0 || outSampleBytes <= 0 ||
        (from.channelCount() != 1 && from.channelCount() != to.channelCount()))
        return {};
    const qint64 inFrames = samples.size() / inFrameBytes;
    if (inFrames == 0)
        return {};
    const qint64 outFrames = inFrames * to.sampleRate() / from.sampleRate();
    QByteArray out(qsizetype(outFrames * to.bytesPerFrame()), Qt::Uninitialized);
    const auto valueAt = [&](qint64 frame, int channel) {
        const int inChannel = from.channelCount() == 1 ? 0 : channel;
        return from.normalizedSampleValue(samples.constData() + frame * inFrameBytes +
                                          inChannel * from.bytesPerSample());
    };
    char *write = out.data();
    for (qint64 frame = 0; frame < outFrames; ++frame) {
        const double at = double(frame) * from.sampleRate() / to.sampleRate();
        const qint64 before = std::min<qint64>(qint64(at), inFrames - 1);
        const qint64 after = std::min<qint64>(before + 1, inFrames - 1);
        const float share = float(at - double(before));
        for (int channel = 0; channel < to.channelCount(); ++channel) {
            const float value = std::clamp(
                valueAt(before, channel) * (1 - share) + valueAt(after, channel) * share, -1.0f,
                1.0f);
            switch (to.sampleFormat()) {
            case QAudioFormat::UInt8: {
                const auto v = quint8(std::lround((value + 1) * 127.5f));
                std::memcpy(write, &v, sizeof v);
                break;
            }
            case QAudioFormat::Int16: {
                const auto v = qint16(std::lround(value * 32767));
                std::memcpy(write, &v, sizeof v);
                break;
            }
            case QAudioFormat::Int32: {
                const auto v = qint32(std::lround(double(value) * 2147483647.0));
                std::memcpy(write, &v, sizeof v);
                break;
            }
            case QAudioFormat::Float:
                std::memcpy(write, &value, sizeof value);
                break;
            default:
                return {};
            }
            write += outSampleBytes;
        }
    }
    return out;
}

} // namespace platform
