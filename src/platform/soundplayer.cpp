#include "soundplayer.h"

#include "platformlog.h"
#include "wavimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

#if defined(TALLYFOLD_SOUND_BUILT_IN)
extern "C" platform::SoundVoice *tallyfold_create_sound_voice(int interfaceVersion,
                                                              std::function<void()> finished);
#endif

namespace platform {

namespace {

// Qt's audio on Linux goes through a PulseAudio server (PipeWire's stands in
// for it), and without one it says so on the console at every try. The
// server listens on a socket, so look for that first and stay quiet without
// (and without loading the audio output at all).
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

#if !defined(TALLYFOLD_SOUND_BUILT_IN)
// Where the module may be: beside the program (a Windows folder), where the
// package installs it relative to the program, and where the build put it.
QStringList moduleCandidates()
{
    const QString file = QStringLiteral(TALLYFOLD_SOUND_MODULE_FILE);
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList candidates;
    if (!programDir.isEmpty()) {
        candidates << QDir(programDir).filePath(file)
                   << QDir(programDir)
                          .filePath(QStringLiteral(TALLYFOLD_SOUND_MODULE_RELATIVE_DIR "/") + file);
    }
    candidates << QStringLiteral(TALLYFOLD_SOUND_MODULE_BUILD_DIR "/") + file;
    return candidates;
}
#endif

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
}

SoundPlayer::~SoundPlayer()
{
    if (m_loader) {
        // Loading a library cannot be interrupted; it takes milliseconds.
        m_loader->wait();
        delete m_loader;
    }
    m_voice.reset();
}

bool SoundPlayer::outputIsAModule()
{
#if defined(TALLYFOLD_SOUND_BUILT_IN)
    return false;
#else
    return true;
#endif
}

void SoundPlayer::prepare()
{
    if (m_output != Output::NotLoaded)
        return;
#if defined(TALLYFOLD_SOUND_BUILT_IN)
    m_entry = &tallyfold_create_sound_voice;
    outputLoaded();
#else
    m_output = Output::Loading;
    const QStringList candidates = moduleCandidates();
    // The thread touches m_library and m_entry alone until it has finished;
    // this thread reads them only after that.
    m_loader = QThread::create([this, candidates] {
        for (const QString &candidate : candidates) {
            if (!QFileInfo::exists(candidate))
                continue;
            m_library.setFileName(candidate);
            if (m_library.load()) {
                m_entry = reinterpret_cast<SoundVoiceEntry>(m_library.resolve(SoundVoiceEntryName));
                return;
            }
        }
    });
    m_loader->setObjectName(QStringLiteral("sound loader"));
    connect(m_loader, &QThread::finished, this, &SoundPlayer::outputLoaded);
    m_loader->start(QThread::LowPriority);
#endif
}

void SoundPlayer::outputLoaded()
{
    if (m_loader) {
        m_loader->wait();
        delete m_loader;
        m_loader = nullptr;
    }
    if (m_entry)
        m_voice.reset(m_entry(SoundVoiceInterfaceVersion, [this] { emit finished(); }));
    if (!m_voice) {
        m_output = Output::Unavailable;
        qCWarning(lcPlatform).noquote()
            << "The audio output could not be loaded; the game stays silent."
            << (m_library.fileName().isEmpty() ? QStringLiteral("(module not found)")
                                               : m_library.errorString());
        m_waiting.reset();
        return;
    }
    m_output = Output::Ready;
    if (m_waiting) {
        const SoundClip clip = std::move(*m_waiting);
        m_waiting.reset();
        m_voice->play(clip);
    }
}

bool SoundPlayer::play(const QByteArray &image)
{
    purge();

    const WavImage wav = WavImage::parse(image);
    if (!wav.isValid())
        return false;
    if (!soundServerPresent())
        return false;
    SoundClip clip{image,
                   wav.dataOffset(),
                   wav.dataLength(),
                   wav.sampleRate(),
                   wav.channelCount(),
                   wav.bitsPerSample(),
                   wav.durationUs()};
    prepare();
    switch (m_output) {
    case Output::Ready:
        return m_voice->play(clip);
    case Output::Loading:
        m_waiting = std::move(clip);
        return true;
    case Output::NotLoaded:
    case Output::Unavailable:
        break;
    }
    return false;
}

void SoundPlayer::purge()
{
    m_waiting.reset();
    if (m_voice)
        m_voice->stop();
}

bool SoundPlayer::isPlaying() const
{
    return m_waiting.has_value() || (m_voice && m_voice->isPlaying());
}

qint64 SoundPlayer::processedUs() const
{
    return m_voice ? m_voice->processedUs() : 0;
}

SoundState SoundPlayer::outputState() const
{
    return m_voice ? m_voice->state() : SoundState::Stopped;
}

} // namespace platform
