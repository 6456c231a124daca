#pragma once

#include <QAudio>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QBuffer;

namespace platform {

// Plays one in-memory RIFF/WAVE (PCM) image at a time, asynchronously, on the
// default audio output, and stops it on request. Sound is a nicety here: a
// bad image, a missing device or a failing sound server is silent, and
// nothing ever waits for the audio system to answer.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Stops whatever is playing, then starts `image` and returns at once.
    // The samples are read from the caller's bytes (the player keeps a
    // shared reference, not a copy). Returns whether the sound was handed to
    // an audio output; false means silence.
    bool play(const QByteArray &image);

    // Stops the sound this player is playing, if any.
    void purge();

    // True from a successful play() until the sound has played out, was
    // purged or replaced, or the output failed.
    bool isPlaying() const;

    // How much of the current sound the output has taken, in microseconds.
    qint64 processedUs() const;

    // The output's state for the current sound; StoppedState when idle.
    QAudio::State outputState() const;

signals:
    // The output has played the current sound to its end. Not sent when the
    // sound is purged or replaced, nor when the output fails or goes quiet.
    void finished();

private:
    void onStateChanged(quint64 generation, QAudio::State state);
    void release();

    QByteArray m_image;   // keeps the caller's bytes alive while they play
    QByteArray m_samples; // a view into m_image, no copy
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    QTimer m_watchdog; // lets go of a sound whose output never reports back
    QTimer m_drain;    // lets the output's own buffer play out at the end
    quint64 m_generation = 0;
};

} // namespace platform
