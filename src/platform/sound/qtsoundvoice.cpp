// The audio output, through Qt Multimedia: built as the tallyfold-sound
// module, which the game loads the first time it needs sound (or, where Qt
// is linked statically, built into the game).

#include "audioformat.h"
#include "soundvoice.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <memory>

#ifdef Q_OS_WIN
#include <audioclient.h>
#include <mmdeviceapi.h>
#include <qt_windows.h>
#endif

namespace platform {

namespace {

// How long past its own length a sound may go without the output saying it
// has finished before the voice gives up on it.
constexpr int WatchdogSlackMs = 10000;
// Added to the output's buffered time once every sample has been handed over.
constexpr int DrainSlackMs = 250;

#ifdef Q_OS_WIN
// The format Windows mixes the default output's shared audio in (its
// IAudioClient's mix format), which Qt's preferred format does not always
// name: invalid when it cannot be read or is not plain PCM or floats.
QAudioFormat windowsMixFormat()
{
    QAudioFormat format;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IMMDeviceEnumerator *enumerator = nullptr;
    IMMDevice *device = nullptr;
    IAudioClient *client = nullptr;
    WAVEFORMATEX *mix = nullptr;
    if (SUCCEEDED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                   __uuidof(IMMDeviceEnumerator),
                                   reinterpret_cast<void **>(&enumerator))) &&
        SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) &&
        SUCCEEDED(device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                   reinterpret_cast<void **>(&client))) &&
        SUCCEEDED(client->GetMixFormat(&mix))) {
        // An extensible format names its kind in the first part of its
        // sub-format's GUID, by the same numbers as the plain format tag.
        WORD kind = mix->wFormatTag;
        if (kind == WAVE_FORMAT_EXTENSIBLE && mix->cbSize >= 22)
            kind = WORD(reinterpret_cast<const WAVEFORMATEXTENSIBLE *>(mix)->SubFormat.Data1);
        QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
        if (kind == WAVE_FORMAT_IEEE_FLOAT && mix->wBitsPerSample == 32)
            sampleFormat = QAudioFormat::Float;
        else if (kind == WAVE_FORMAT_PCM && mix->wBitsPerSample == 16)
            sampleFormat = QAudioFormat::Int16;
        else if (kind == WAVE_FORMAT_PCM && mix->wBitsPerSample == 32)
            sampleFormat = QAudioFormat::Int32;
        if (sampleFormat != QAudioFormat::Unknown) {
            format.setSampleRate(int(mix->nSamplesPerSec));
            format.setChannelCount(mix->nChannels);
            format.setSampleFormat(sampleFormat);
        }
    }
    if (mix)
        CoTaskMemFree(mix);
    if (client)
        client->Release();
    if (device)
        device->Release();
    if (enumerator)
        enumerator->Release();
    if (SUCCEEDED(com))
        CoUninitialize();
    return format;
}
#endif

SoundState stateOf(QAudio::State state)
{
    switch (state) {
    case QAudio::ActiveState:
        return SoundState::Active;
    case QAudio::SuspendedState:
        return SoundState::Suspended;
    case QAudio::IdleState:
        return SoundState::Idle;
    case QAudio::StoppedState:
        break;
    }
    return SoundState::Stopped;
}

class QtSoundVoice final : public QObject, public SoundVoice
{
public:
    explicit QtSoundVoice(std::function<void()> finished)
        : m_finished(std::move(finished))
    {
        m_watchdog.setSingleShot(true);
        m_drain.setSingleShot(true);
        connect(&m_watchdog, &QTimer::timeout, this, &QtSoundVoice::release);
        connect(&m_drain, &QTimer::timeout, this, [this] {
            release();
            if (m_finished)
                m_finished();
        });
    }

    ~QtSoundVoice() override { release(); }

    bool play(const SoundClip &clip) override
    {
        release();
        const QAudioFormat format =
            audioFormatFor(clip.sampleRate, clip.channels, clip.bitsPerSample);
        if (!format.isValid() || clip.dataOffset < 0 || clip.dataLength <= 0 ||
            clip.dataOffset + clip.dataLength > clip.image.size())
            return false;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format))
            return false;

        m_image = clip.image;
        m_samples = QByteArray::fromRawData(m_image.constData() + clip.dataOffset, clip.dataLength);
        QAudioFormat played = format;
#ifdef Q_OS_WIN
        // In the format Windows mixes in (see convertSamples).
        const QAudioFormat mix = windowsMixFormat();
        if (mix.isValid() && mix != format) {
            const QByteArray converted = convertSamples(m_samples, format, mix);
            if (!converted.isEmpty()) {
                m_samples = converted;
                played = mix;
            }
        }
#endif
        m_buffer = std::make_unique<QBuffer>(&m_samples);
        m_buffer->open(QIODevice::ReadOnly);

        m_sink = std::make_unique<QAudioSink>(device, played);
        const quint64 generation = m_generation;
        connect(m_sink.get(), &QAudioSink::stateChanged, this,
                [this, generation](QAudio::State state) { onStateChanged(generation, state); });
        m_sink->start(m_buffer.get());
        if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
            release();
            return false;
        }

        // Some outputs fail without a word; the watchdog makes sure the voice
        // does not believe it is playing forever.
        const qint64 watchdogMs = clip.durationUs / 1000 + WatchdogSlackMs;
        m_watchdog.start(int(std::min<qint64>(watchdogMs, std::numeric_limits<int>::max())));
        return true;
    }

    void stop() override { release(); }
    bool isPlaying() const override { return m_sink != nullptr; }
    qint64 processedUs() const override { return m_sink ? m_sink->processedUSecs() : 0; }
    SoundState state() const override
    {
        return m_sink ? stateOf(m_sink->state()) : SoundState::Stopped;
    }

private:
    void onStateChanged(quint64 generation, QAudio::State state)
    {
        if (generation != m_generation || !m_sink)
            return;
        if (state == QAudio::IdleState && m_buffer->atEnd()) {
            // Everything has been handed over, but the output still holds up
            // to a buffer's worth: let that play before closing, or the final
            // chord would be cut.
            const qint64 bufferedUs = m_sink->format().durationForBytes(m_sink->bufferSize());
            if (!m_drain.isActive()) {
                m_watchdog.stop();
                m_drain.start(int(bufferedUs / 1000) + DrainSlackMs);
            }
        } else if (state == QAudio::StoppedState) {
            // The output gave up (a lost server, a device gone). The sink
            // must not be deleted inside its own signal, so let go of it on
            // the next pass, unless a newer sound has taken its place by then.
            QMetaObject::invokeMethod(
                this,
                [this, generation] {
                    if (generation == m_generation)
                        release();
                },
                Qt::QueuedConnection);
        }
    }

    void release()
    {
        // A new generation turns away any late word about the sound released
        // here.
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

    std::function<void()> m_finished;
    QByteArray m_image;   // keeps the caller's bytes alive while they play
    QByteArray m_samples; // a view into m_image, no copy
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    QTimer m_watchdog; // lets go of a sound whose output never reports back
    QTimer m_drain;    // lets the output's own buffer play out at the end
    quint64 m_generation = 0;
};

} // namespace

} // namespace platform

// Where Qt is linked statically the voice is built into the game, and the
// entry point is an ordinary function of it.
#if defined(TALLYFOLD_SOUND_BUILT_IN)
#define TALLYFOLD_SOUND_ENTRY
#else
#define TALLYFOLD_SOUND_ENTRY Q_DECL_EXPORT
#endif

extern "C" TALLYFOLD_SOUND_ENTRY platform::SoundVoice *
tallyfold_create_sound_voice(int interfaceVersion, std::function<void()> finished)
{
    if (interfaceVersion != platform::SoundVoiceInterfaceVersion)
        return nullptr;
    return new platform::QtSoundVoice(std::move(finished));
}
