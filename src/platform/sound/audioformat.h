#pragma once

#include <QAudioFormat>

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

} // namespace platform
