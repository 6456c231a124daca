// The WAVE image reader: an image it accepts describes samples that lie inside
// it, in whole frames of a format an audio sink can open.

#include "audioformat.h"
#include "fuzzcheck.h"
#include "wavimage.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using platform::WavImage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView image(reinterpret_cast<const char *>(data), qsizetype(size));
    const WavImage wav = WavImage::parse(image);
    if (!wav.isValid()) {
        FUZZ_CHECK(wav.frameCount() == 0);
        FUZZ_CHECK(wav.durationUs() == 0);
        return 0;
    }

    FUZZ_CHECK(wav.channelCount() == 1 || wav.channelCount() == 2);
    FUZZ_CHECK(wav.bitsPerSample() == 8 || wav.bitsPerSample() == 16);
    FUZZ_CHECK(wav.sampleRate() > 0);
    FUZZ_CHECK(wav.dataOffset() >= 12);
    FUZZ_CHECK(wav.dataLength() > 0);
    FUZZ_CHECK(wav.dataOffset() + wav.dataLength() <= image.size());
    FUZZ_CHECK(wav.dataLength() % wav.bytesPerFrame() == 0);

    // The format the audio output opens a sink with for these samples.
    const QAudioFormat format =
        platform::audioFormatFor(wav.sampleRate(), wav.channelCount(), wav.bitsPerSample());
    FUZZ_CHECK(format.isValid());
    FUZZ_CHECK(format.bytesPerFrame() == wav.bytesPerFrame());
    FUZZ_CHECK(format.sampleRate() == wav.sampleRate());

    FUZZ_CHECK(wav.frameCount() * wav.bytesPerFrame() == wav.dataLength());
    FUZZ_CHECK(wav.durationUs() >= 0);
    FUZZ_CHECK(wav.durationUs() / 1000000 <= wav.frameCount());

    // Cutting the image right after its samples changes nothing about them:
    // the reader walked no further than that.
    const WavImage cut = WavImage::parse(image.first(wav.dataOffset() + wav.dataLength()));
    FUZZ_CHECK(cut.isValid());
    FUZZ_CHECK(cut.dataOffset() == wav.dataOffset());
    FUZZ_CHECK(cut.dataLength() == wav.dataLength());
    FUZZ_CHECK(cut.sampleRate() == wav.sampleRate() && cut.channelCount() == wav.channelCount() &&
               cut.bitsPerSample() == wav.bitsPerSample());

    // The samples are there to be read (AddressSanitizer sees any overrun).
    const QByteArray samples = image.sliced(wav.dataOffset(), wav.dataLength()).toByteArray();
    FUZZ_CHECK(samples.size() == wav.dataLength());
    return 0;
}
