#include "wavimage.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Rates outside this range are not music any player here can make sense of;
// refusing them also keeps the duration arithmetic far from overflow.
constexpr int MinSampleRate = 1000;
constexpr int MaxSampleRate = 192000;

constexpr quint16 FormatTagPcm = 1;
constexpr qint64 RiffHeaderSize = 12;
constexpr qint64 ChunkHeaderSize = 8;
constexpr quint32 MinFormatChunkSize = 16;

quint16 readLe16(const char *p)
{
    return quint16(uchar(p[0]) | (uchar(p[1]) << 8));
}

quint32 readLe32(const char *p)
{
    return quint32(uchar(p[0])) | (quint32(uchar(p[1])) << 8) | (quint32(uchar(p[2])) << 16) |
           (quint32(uchar(p[3])) << 24);
}

bool hasId(const char *p, const char *id)
{
    return std::memcmp(p, id, 4) == 0;
}

} // namespace

WavImage WavImage::parse(QByteArrayView image)
{
    WavImage wav;
    const char *bytes = image.data();
    const qint64 size = image.size();

    if (size < RiffHeaderSize || !hasId(bytes, "RIFF") || !hasId(bytes + 8, "WAVE")) {
        wav.m_status = Status::NotRiffWave;
        return wav;
    }

    // The RIFF size bounds the chunks; when it claims more than the image
    // holds, the image was cut short and only what is there is walked. All
    // positions are 64-bit so that no 32-bit size can wrap them.
    const qint64 riffEnd = std::min<qint64>(size, ChunkHeaderSize + qint64(readLe32(bytes + 4)));
    if (riffEnd < RiffHeaderSize) {
        wav.m_status = Status::NotRiffWave;
        return wav;
    }

    bool haveFormat = false;
    qint64 pos = RiffHeaderSize;
    while (riffEnd - pos >= ChunkHeaderSize) {
        const char *header = bytes + pos;
        const quint32 chunkSize = readLe32(header + 4);
        const qint64 bodyPos = pos + ChunkHeaderSize;
        const qint64 available = riffEnd - bodyPos;

        if (hasId(header, "fmt ")) {
            if (haveFormat) {
                wav.m_status = Status::DuplicateFormat;
                return wav;
            }
            if (chunkSize < MinFormatChunkSize || qint64(chunkSize) > available) {
                wav.m_status = Status::BadChunk;
                return wav;
            }
            const char *body = bytes + bodyPos;
            const quint16 tag = readLe16(body);
            const quint16 channels = readLe16(body + 2);
            const quint32 rate = readLe32(body + 4);
            const quint16 blockAlign = readLe16(body + 12);
            const quint16 bits = readLe16(body + 14);
            if (tag != FormatTagPcm) {
                wav.m_status = Status::NotPcm;
                return wav;
            }
            // The byte rate (body + 8) is derived and often wrong in the wild;
            // the block alignment is what the samples are cut by, so that one
            // must agree.
            if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
                rate < quint32(MinSampleRate) || rate > quint32(MaxSampleRate) ||
                blockAlign != channels * bits / 8) {
                wav.m_status = Status::UnsupportedFormat;
                return wav;
            }
            wav.m_channels = channels;
            wav.m_bits = bits;
            wav.m_sampleRate = int(rate);
            haveFormat = true;
        } else if (hasId(header, "data")) {
            if (!haveFormat) {
                wav.m_status = Status::NoFormat;
                return wav;
            }
            qint64 length = chunkSize;
            if (length > available) {
                length = available;
                wav.m_dataTruncated = true;
            }
            length -= length % wav.bytesPerFrame();
            if (length <= 0) {
                wav.m_status = Status::NoData;
                return wav;
            }
            wav.m_dataOffset = qsizetype(bodyPos);
            wav.m_dataLength = qsizetype(length);
            wav.m_status = Status::Ok;
            return wav;
        }

        // Chunks are padded to an even length; the pad byte is not counted in
        // the size.
        const qint64 next = bodyPos + qint64(chunkSize) + qint64(chunkSize & 1U);
        if (next > riffEnd)
            break;
        pos = next;
    }

    wav.m_status = haveFormat ? Status::NoData : Status::NoFormat;
    return wav;
}

qint64 WavImage::frameCount() const
{
    return isValid() ? qint64(m_dataLength) / bytesPerFrame() : 0;
}

qint64 WavImage::durationUs() const
{
    return isValid() ? frameCount() * 1000000 / m_sampleRate : 0;
}

} // namespace platform
