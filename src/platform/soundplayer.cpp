#include "soundplayer.h"

#include "wavimage.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>

#include <algorithm>
#include <limits>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace platform {

namespace {

// How long past its own length a sound may go without the output saying it
// has finished before the player gives up on it.
constexpr int WatchdogSlackMs = 10000;
// Added to the output's buffered time once every sample has been handed over.
constexpr int DrainSlackMs = 250;

// Qt's audio on Linux goes through a PulseAudio server (PipeWire's stands in
// for it), and without one it says so on the console at every try. The
// server listens on a socket, so look for that first and stay quiet without.
bool soundServerPresent()
{
#if defined(Q_OS_LINUX)
    const QString servers = qEnvironmentVariable("PULSE_SERVER");
    if (!servers.isEmpty()) {
        // Addresses "unix:/path", "/path" or one over the network, which
        // cannot be checked without connecting: that one is trusted.
        for (QString server : servers.split(u' ', Qt::SkipEmptyParts)) {
            if (server.startsWith(QLatin1String("unix:")))
                server.remove(0, 5);
            if (!server.startsWith(u'/') || QFileInfo::exists(server))
                return true;
        }
        return false;
    }
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QStringLiteral("/run/user/%1").arg(::getuid());
    for (const QString &socket :
         {runtime + QStringLiteral("/pulse/native"), QStringLiteral("/run/pulse/native"),
          QStringLiteral("/var/run/pulse/native")}) {
        if (QFileInfo::exists(socket))
            return true;
    }
    return false;
#else
    return true;
#endif
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
    m_watchdog.setSingleShot(true);
    m_drain.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &SoundPlayer::release);
    connect(&m_drain, &QTimer::timeout, this, [this] {
        release();
        emit finished();
    });
}

SoundPlayer::~SoundPlayer()
{
    release();
}

bool SoundPlayer::play(const QByteArray &image)
{
    purge();

    const WavImage wav = WavImage::parse(image);
    if (!wav.isValid())
        return false;
    if (!soundServerPresent())
        return false;
    const QAudioFormat format = wav.format();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;

    m_image = image;
    m_samples = QByteArray::fromRawData(m_image.constData() + wav.dataOffset(), wav.dataLength());
    m_buffer = std::make_unique<QBuffer>(&m_samples);
    m_buffer->open(QIODevice::ReadOnly);

    m_sink = std::make_unique<QAudioSink>(device, format);
    const quint64 generation = m_generation;
    connect(m_sink.get(), &QAudioSink::stateChanged, this,
            [this, generation](QAudio::State state) { onStateChanged(generation, state); });
    m_sink->start(m_buffer.get());
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        release();
        return false;
    }

    // Some outputs fail without a word; the watchdog makes sure the player
    // does not believe it is playing forever.
    const qint64 watchdogMs = wav.durationUs() / 1000 + WatchdogSlackMs;
    m_watchdog.start(int(std::min<qint64>(watchdogMs, std::numeric_limits<int>::max())));
    return true;
}

void SoundPlayer::purge()
{
    release();
}

bool SoundPlayer::isPlaying() const
{
    return m_sink != nullptr;
}

qint64 SoundPlayer::processedUs() const
{
    return m_sink ? m_sink->processedUSecs() : 0;
}

QAudio::State SoundPlayer::outputState() const
{
    return m_sink ? m_sink->state() : QAudio::StoppedState;
}

void SoundPlayer::onStateChanged(quint64 generation, QAudio::State state)
{
    if (generation != m_generation || !m_sink)
        return;
    if (state == QAudio::IdleState && m_buffer->atEnd()) {
        // Everything has been handed over, but the output still holds up to
        // a buffer's worth: let that play before closing, or the final chord
        // would be cut.
        const qint64 bufferedUs = m_sink->format().durationForBytes(m_sink->bufferSize());
        if (!m_drain.isActive()) {
            m_watchdog.stop();
            m_drain.start(int(bufferedUs / 1000) + DrainSlackMs);
        }
    } else if (state == QAudio::StoppedState) {
        // The output gave up (a lost server, a device gone). The sink must
        // not be deleted inside its own signal, so let go of it on the next
        // pass, unless a newer sound has taken its place by then.
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == m_generation)
                    release();
            },
            Qt::QueuedConnection);
    }
}

void SoundPlayer::release()
{
    // A new generation turns away any late word about the sound released here.
    ++m_generation;
    m_watchdog.stop();
    m_drain.stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.reset();
    m_samples.clear();
    m_image.clear();
}

} // namespace platform
