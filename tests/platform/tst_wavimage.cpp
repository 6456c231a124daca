#include "audioformat.h"
#include "wavimage.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <optional>
#include <vector>

using platform::WavImage;
using Status = WavImage::Status;

Q_DECLARE_METATYPE(WavImage::Status)

namespace {

QByteArray le16(quint16 v)
{
    QByteArray out(2, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

// One chunk; `statedSize` lies about the body's length when set.
QByteArray chunk(const char *id, const QByteArray &body, std::optional<quint32> statedSize = {})
{
    QByteArray out(id, 4);
    out += le32(statedSize.value_or(quint32(body.size())));
    out += body;
    if (body.size() % 2 == 1)
        out += '\0';
    return out;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                   std::optional<quint16> blockAlign = {})
{
    const quint16 align = blockAlign.value_or(quint16(channels * bits / 8));
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

QByteArray riff(const QByteArray &chunks, std::optional<quint32> statedSize = {})
{
    return QByteArray("RIFF") + le32(statedSize.value_or(quint32(4 + chunks.size()))) + "WAVE" +
           chunks;
}

QByteArray samples(int count)
{
    QByteArray out(count, '\0');
    for (int i = 0; i < count; ++i)
        out[i] = char(i * 7 + 3);
    return out;
}

// A plain image: fmt then data.
QByteArray simpleWav(quint16 channels, quint32 rate, quint16 bits, int dataBytes)
{
    return riff(chunk("fmt ", fmtBody(1, channels, rate, bits)) +
                chunk("data", samples(dataBytes)));
}

// Parses a private copy of exactly `size` bytes, so that the address
// sanitizer sees any read past the end of the image.
WavImage parseExact(const QByteArray &image, qsizetype size)
{
    std::vector<char> copy(image.constData(), image.constData() + size);
    const WavImage wav = WavImage::parse(QByteArrayView(copy.data(), qsizetype(copy.size())));
    if (wav.isValid()) {
        // Whatever is accepted must lie inside the bytes and be whole frames.
        const qint64 end = qint64(wav.dataOffset()) + wav.dataLength();
        if (wav.dataOffset() < 12 || end > size || wav.dataLength() <= 0 ||
            wav.dataLength() % wav.bytesPerFrame() != 0)
            qFatal("accepted image with samples outside the buffer");
    }
    return wav;
}

} // namespace

class TestWavImage : public QObject
{
    Q_OBJECT

private slots:
    void acceptsPcm_data();
    void acceptsPcm();
    void skipsUnknownChunksHonouringPadding();
    void acceptsLongerFormatChunk();
    void dataOverrunPlaysWhatIsThere();
    void trailingPartialFrameIsDropped();
    void refusesMalformed_data();
    void refusesMalformed();
    void truncatedAtEveryLength();
    void survivesMutatedHeaders();
    void embeddedMusic();
    void convertedToTheDevicesFormat();
};

void TestWavImage::acceptsPcm_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<int>("sampleFormat");

    QTest::newRow("mono 8-bit 8 kHz") << 1 << 8000 << 8 << 8000 << int(QAudioFormat::UInt8);
    QTest::newRow("mono 16-bit 22 kHz") << 1 << 22050 << 16 << 44100 << int(QAudioFormat::Int16);
    QTest::newRow("stereo 8-bit 11 kHz") << 2 << 11025 << 8 << 4410 << int(QAudioFormat::UInt8);
    QTest::newRow("stereo 16-bit 44 kHz") << 2 << 44100 << 16 << 17640 << int(QAudioFormat::Int16);
    QTest::newRow("stereo 16-bit 192 kHz") << 2 << 192000 << 16 << 7680 << int(QAudioFormat::Int16);
}

void TestWavImage::acceptsPcm()
{
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, dataBytes);
    QFETCH(int, sampleFormat);

    const QByteArray image = simpleWav(quint16(channels), quint32(rate), quint16(bits), dataBytes);
    const WavImage wav = WavImage::parse(image);
    QCOMPARE(wav.status(), Status::Ok);
    QCOMPARE(wav.channelCount(), channels);
    QCOMPARE(wav.sampleRate(), rate);
    QCOMPARE(wav.bitsPerSample(), bits);
    QCOMPARE(wav.dataOffset(), 44);
    QCOMPARE(wav.dataLength(), dataBytes);
    QVERIFY(!wav.isDataTruncated());
    QCOMPARE(image.mid(wav.dataOffset(), wav.dataLength()), samples(dataBytes));

    const qint64 frames = dataBytes / (channels * bits / 8);
    QCOMPARE(wav.frameCount(), frames);
    QCOMPARE(wav.durationUs(), frames * 1000000 / rate);

    const QAudioFormat format =
        platform::audioFormatFor(wav.sampleRate(), wav.channelCount(), wav.bitsPerSample());
    QVERIFY(format.isValid());
    QCOMPARE(format.sampleRate(), rate);
    QCOMPARE(format.channelCount(), channels);
    QCOMPARE(int(format.sampleFormat()), sampleFormat);
    QCOMPARE(format.bytesForDuration(wav.durationUs()), dataBytes);
}

void TestWavImage::skipsUnknownChunksHonouringPadding()
{
    // Odd-sized chunks are followed by a pad byte; a walker that forgets it
    // lands one byte short and never sees "fmt " or "data".
    const QByteArray image =
        riff(chunk("LIST", "INFOabc") + chunk("fmt ", fmtBody(1, 2, 22050, 16)) +
             chunk("fact", "x") + chunk("junk", QByteArray(301, 'j')) +
             chunk("data", samples(400)) + chunk("LIST", "trailing"));
    const WavImage wav = WavImage::parse(image);
    QCOMPARE(wav.status(), Status::Ok);
    const qsizetype expectedOffset = 12 + (8 + 8) + (8 + 16) + (8 + 2) + (8 + 302) + 8;
    QCOMPARE(wav.dataOffset(), expectedOffset);
    QCOMPARE(wav.dataLength(), 400);
    QCOMPARE(image.mid(wav.dataOffset(), wav.dataLength()), samples(400));
}

void TestWavImage::acceptsLongerFormatChunk()
{
    // Many writers add a two-byte extension size (and sometimes more) to
    // the PCM format chunk.
    const QByteArray image = riff(chunk("fmt ", fmtBody(1, 1, 16000, 16) + le16(0) + "xyz") +
                                  chunk("data", samples(64)));
    const WavImage wav = WavImage::parse(image);
    QCOMPARE(wav.status(), Status::Ok);
    QCOMPARE(wav.sampleRate(), 16000);
    QCOMPARE(image.mid(wav.dataOffset(), wav.dataLength()), samples(64));
}

void TestWavImage::dataOverrunPlaysWhatIsThere()
{
    // A data size past the end (a cut file, or a streaming writer's
    // 0xFFFFFFFF) keeps the whole frames that are present.
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 2, 22050, 16));
    for (quint32 stated :
         {quint32(1000), quint32(0x7fffffff), quint32(0xfffffff8), quint32(0xffffffff)}) {
        const QByteArray image = riff(fmt + QByteArray("data") + le32(stated) + samples(402));
        const WavImage wav = parseExact(image, image.size());
        QCOMPARE(wav.status(), Status::Ok);
        QVERIFY(wav.isDataTruncated());
        QCOMPARE(wav.dataLength(), 400);
    }

    // A RIFF size that ends inside the data bounds it the same way; bytes
    // past the RIFF size are not the image's.
    const QByteArray image = riff(fmt + chunk("data", samples(400)), 4 + 24 + 8 + 101);
    const WavImage wav = parseExact(image, image.size());
    QCOMPARE(wav.status(), Status::Ok);
    QVERIFY(wav.isDataTruncated());
    QCOMPARE(wav.dataLength(), 100);
}

void TestWavImage::trailingPartialFrameIsDropped()
{
    const WavImage wav = WavImage::parse(simpleWav(2, 22050, 16, 7));
    QCOMPARE(wav.status(), Status::Ok);
    QVERIFY(!wav.isDataTruncated());
    QCOMPARE(wav.dataLength(), 4);
    QCOMPARE(wav.frameCount(), 1);
}

void TestWavImage::refusesMalformed_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<Status>("status");

    const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", samples(100));

    QTest::newRow("empty") << QByteArray() << Status::NotRiffWave;
    QTest::newRow("RIFX") << QByteArray(simpleWav(1, 22050, 16, 10)).replace(0, 4, "RIFX")
                          << Status::NotRiffWave;
    QTest::newRow("AVI form") << QByteArray(simpleWav(1, 22050, 16, 10)).replace(8, 4, "AVI ")
                              << Status::NotRiffWave;
    QTest::newRow("RIFF size 0") << riff(fmt + data, 0) << Status::NotRiffWave;
    QTest::newRow("RIFF size ends before data") << riff(fmt + data, 4 + 24) << Status::NoData;

    QTest::newRow("no fmt") << riff(data) << Status::NoFormat;
    QTest::newRow("data before fmt") << riff(data + fmt) << Status::NoFormat;
    QTest::newRow("no data") << riff(fmt + chunk("LIST", "info")) << Status::NoData;
    QTest::newRow("no chunks") << riff(QByteArray()) << Status::NoFormat;
    QTest::newRow("second fmt") << riff(fmt + chunk("fmt ", fmtBody(1, 2, 8000, 8)) + data)
                                << Status::DuplicateFormat;
    QTest::newRow("empty data") << riff(fmt + chunk("data", QByteArray())) << Status::NoData;
    QTest::newRow("less than a frame")
        << riff(chunk("fmt ", fmtBody(1, 2, 22050, 16)) + chunk("data", samples(3)))
        << Status::NoData;

    // Sizes that would wrap a 32-bit position, or point far past the end.
    QTest::newRow("unknown chunk of 4 GiB")
        << riff(chunk("junk", "ab", 0xffffffff) + fmt + data) << Status::NoFormat;
    QTest::newRow("unknown chunk wrapping to fmt")
        << riff(chunk("junk", QByteArray(), 0xfffffff8) + fmt + data) << Status::NoFormat;
    QTest::newRow("fmt of 4 GiB") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16), 0xffffffff) +
                                          data)
                                  << Status::BadChunk;
    QTest::newRow("fmt too short")
        << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16).left(14)) + data) << Status::BadChunk;
    QTest::newRow("fmt past the end")
        << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16), 40)) << Status::BadChunk;

    QTest::newRow("MPEG Layer-3") << riff(chunk("fmt ", fmtBody(0x0055, 2, 44100, 0, 1)) + data)
                                  << Status::NotPcm;
    QTest::newRow("IEEE float") << riff(chunk("fmt ", fmtBody(3, 1, 22050, 32)) + data)
                                << Status::NotPcm;
    QTest::newRow("extensible") << riff(chunk("fmt ", fmtBody(0xfffe, 2, 44100, 16)) + data)
                                << Status::NotPcm;
    QTest::newRow("tag 0") << riff(chunk("fmt ", fmtBody(0, 1, 22050, 16)) + data)
                           << Status::NotPcm;

    const auto unsupported = [&](const char *name, quint16 channels, quint32 rate, quint16 bits,
                                 std::optional<quint16> align = {}) {
        QTest::newRow(name) << riff(chunk("fmt ", fmtBody(1, channels, rate, bits, align)) + data)
                            << Status::UnsupportedFormat;
    };
    unsupported("zero channels", 0, 22050, 16, 2);
    unsupported("three channels", 3, 22050, 16);
    unsupported("65535 channels", 0xffff, 22050, 16, 2);
    unsupported("0 bits", 1, 22050, 0, 1);
    unsupported("12 bits", 1, 22050, 12, 2);
    unsupported("24 bits", 2, 44100, 24);
    unsupported("32 bits", 1, 44100, 32);
    unsupported("rate 0", 1, 0, 16);
    unsupported("rate 999", 1, 999, 16);
    unsupported("rate 192001", 1, 192001, 16);
    unsupported("rate 4 GHz", 1, 0xffffffff, 16);
    unsupported("block align 0", 2, 22050, 16, 0);
    unsupported("block align too large", 1, 22050, 16, 4);
}

void TestWavImage::refusesMalformed()
{
    QFETCH(QByteArray, image);
    QFETCH(Status, status);

    const WavImage wav = parseExact(image, image.size());
    QCOMPARE(wav.status(), status);
    QVERIFY(!wav.isValid());
    QCOMPARE(wav.dataLength(), 0);
    QCOMPARE(wav.durationUs(), 0);
}

void TestWavImage::truncatedAtEveryLength()
{
    const QByteArray image =
        riff(chunk("LIST", "INFOisft") + chunk("fmt ", fmtBody(1, 2, 8000, 16)) +
             chunk("data", samples(64)));
    const qsizetype dataOffset = 12 + 16 + 24 + 8;
    QCOMPARE(WavImage::parse(image).dataOffset(), dataOffset);

    for (qsizetype size = 0; size <= image.size(); ++size) {
        const WavImage wav = parseExact(image, size);
        const qsizetype wholeFrames = size < dataOffset ? 0 : (size - dataOffset) / 4 * 4;
        if (wholeFrames == 0) {
            QVERIFY2(!wav.isValid(), qPrintable(QString::number(size)));
            continue;
        }
        QVERIFY2(wav.isValid(), qPrintable(QString::number(size)));
        QCOMPARE(wav.dataOffset(), dataOffset);
        QCOMPARE(wav.dataLength(), wholeFrames);
        QCOMPARE(wav.isDataTruncated(), size < image.size());
    }
}

void TestWavImage::survivesMutatedHeaders()
{
    // Random damage to the header bytes and sizes: whatever comes out, the
    // parser must stay inside the buffer (parseExact checks what it accepts).
    const QByteArray good = riff(chunk("LIST", "INFOab") + chunk("fmt ", fmtBody(1, 2, 22050, 16)) +
                                 chunk("data", samples(96)));
    QRandomGenerator random(20240611);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray image = good;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes; ++c) {
            const int at = int(random.bounded(qint64(70)));
            image[at] = char(random.bounded(256));
        }
        const qsizetype size =
            random.bounded(8) == 0 ? random.bounded(qint64(image.size())) : image.size();
        if (parseExact(image, size).isValid())
            ++accepted;
    }
    // Damage to unimportant bytes (the LIST body, the byte rate) is
    // harmless, so some images must still pass.
    QVERIFY(accepted > 0);
    QVERIFY(accepted < 20000);
}

void TestWavImage::embeddedMusic()
{
    QFile file(QStringLiteral(":/sounds/Count30.wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    const WavImage wav = WavImage::parse(image);
    QCOMPARE(wav.status(), Status::Ok);
    QVERIFY(!wav.isDataTruncated());
    QVERIFY(qAbs(wav.durationUs() - 30500000) <= 300000);
    QCOMPARE(wav.bitsPerSample(), 16);

    // Music, not silence, and it ends: the last chord rings out to nothing.
    const auto *pcm = reinterpret_cast<const uchar *>(image.constData() + wav.dataOffset());
    const int frameBytes = wav.bytesPerFrame();
    const auto rms = [&](double from, double to) {
        const qint64 first = qint64(from * wav.sampleRate());
        const qint64 last = std::min(wav.frameCount(), qint64(to * wav.sampleRate()));
        double sum = 0;
        for (qint64 f = first; f < last; ++f) {
            const double v = qFromLittleEndian<qint16>(pcm + f * frameBytes) / 32768.0;
            sum += v * v;
        }
        return std::sqrt(sum / double(std::max<qint64>(1, last - first)));
    };
    const double end = double(wav.durationUs()) / 1e6;
    for (double second = 0; second < 29; ++second)
        QVERIFY2(rms(second, second + 1) > 0.01, qPrintable(QString::number(second)));
    QVERIFY(rms(end - 0.3, end) < rms(end - 1.5, end - 1.0) / 4);
    QVERIFY(rms(end - 0.02, end) < 0.001);
}

// Windows plays the music in its device's own format, converted by the game:
// a 16-bit mono sound at 22050 Hz as 44100 Hz stereo floats (the usual mix
// format) and as 16-bit stereo at the same rate, and shapes it cannot take.
void TestWavImage::convertedToTheDevicesFormat()
{
    const QAudioFormat mono16 = platform::audioFormatFor(22050, 1, 16);
    std::vector<qint16> in{0, 16384, -32767, 32767};
    const QByteArray samples(reinterpret_cast<const char *>(in.data()), qsizetype(in.size() * 2));

    QAudioFormat floats;
    floats.setSampleRate(44100);
    floats.setChannelCount(2);
    floats.setSampleFormat(QAudioFormat::Float);
    const QByteArray up = platform::convertSamples(samples, mono16, floats);
    QCOMPARE(up.size(), qsizetype(8 * 2 * sizeof(float)));
    const auto *f = reinterpret_cast<const float *>(up.constData());
    // Every frame: both channels alike; every other one halfway between two.
    const float expected[] = {0, 0.25f, 0.5f, -0.25f, -1, 0, 1, 1};
    for (int frame = 0; frame < 8; ++frame) {
        QCOMPARE(f[2 * frame], f[2 * frame + 1]);
        QVERIFY2(std::abs(f[2 * frame] - expected[frame]) < 0.001f, qPrintable(QString::number(frame)));
    }

    QAudioFormat stereo16 = platform::audioFormatFor(22050, 2, 16);
    const QByteArray same = platform::convertSamples(samples, mono16, stereo16);
    QCOMPARE(same.size(), samples.size() * 2);
    QCOMPARE(reinterpret_cast<const qint16 *>(same.constData())[5], qint16(-32767));

    QVERIFY(platform::convertSamples(samples, stereo16, platform::audioFormatFor(22050, 3, 16))
                .isEmpty());
    QVERIFY(platform::convertSamples(QByteArray(1, '\0'), mono16, floats).isEmpty());
}

QTEST_GUILESS_MAIN(TestWavImage)
#include "tst_wavimage.moc"
