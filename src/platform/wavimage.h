#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace platform {

// A RIFF/WAVE image held in memory, checked and described without copying it:
// the PCM format it declares and where its samples lie in the image. Anything
// that is not plain 8- or 16-bit PCM in one or two channels, or that does not
// hang together, is refused.
class WavImage
{
public:
    enum class Status {
        Ok,
        NotRiffWave,       // no "RIFF" ... "WAVE" header
        BadChunk,          // a chunk header or a format chunk that runs past the image
        NoFormat,          // no "fmt " chunk before the end, or "data" came first
        DuplicateFormat,   // a second "fmt " chunk before "data"
        NotPcm,            // a format tag other than 1 (PCM)
        UnsupportedFormat, // channels, sample size, rate or block alignment out of range
        NoData,            // no "data" chunk, or one without a single whole frame
    };

    // Describes `image`; the view's bytes are not kept, only offsets into them.
    static WavImage parse(QByteArrayView image);

    bool isValid() const { return m_status == Status::Ok; }
    Status status() const { return m_status; }

    int sampleRate() const { return m_sampleRate; }
    int channelCount() const { return m_channels; }
    int bitsPerSample() const { return m_bits; }
    int bytesPerFrame() const { return m_channels * m_bits / 8; }

    // The samples: bytes [dataOffset, dataOffset + dataLength) of the image,
    // always a whole number of frames.
    qsizetype dataOffset() const { return m_dataOffset; }
    qsizetype dataLength() const { return m_dataLength; }

    // True when the data chunk claimed more bytes than the image holds; the
    // frames that are there are kept (a writer that died, or one that streams
    // and never filled in the size).
    bool isDataTruncated() const { return m_dataTruncated; }

    qint64 frameCount() const;
    qint64 durationUs() const;

private:
    Status m_status = Status::NoData;
    int m_sampleRate = 0;
    int m_channels = 0;
    int m_bits = 0;
    qsizetype m_dataOffset = 0;
    qsizetype m_dataLength = 0;
    bool m_dataTruncated = false;
};

} // namespace platform
