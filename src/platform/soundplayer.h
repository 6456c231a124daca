#pragma once

#include "soundvoice.h"

#include <QByteArray>
#include <QLibrary>
#include <QObject>

#include <memory>
#include <optional>

class QThread;

namespace platform {

// Plays one in-memory RIFF/WAVE (PCM) image at a time, asynchronously, on the
// default audio output, and stops it on request. Sound is a nicety here: a
// bad image, a missing device or a failing sound server is silent, and
// nothing ever waits for the audio system to answer.
//
// The audio output is not loaded with the program: the first prepare() or
// play() loads it on a thread of its own, and a sound asked for meanwhile
// starts as soon as it is there.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Starts loading the audio output, unless it is loaded or loading, and
    // returns at once: call it ahead of the first play() so that the sound
    // starts on time.
    void prepare();

    // Stops whatever is playing, then starts `image` and returns at once.
    // The samples are read from the caller's bytes (the player keeps a
    // shared reference, not a copy). Returns whether the sound was handed to
    // an audio output, or is waiting for the output to load; false means
    // silence.
    bool play(const QByteArray &image);

    // Stops the sound this player is playing or waiting to play, if any.
    void purge();

    // True from a successful play() until the sound has played out, was
    // purged or replaced, or the output failed or could not be loaded.
    bool isPlaying() const;

    // Whether the audio output is a module loaded when first needed (false
    // where it is built into the program).
    static bool outputIsAModule();

    // Whether the audio output has been loaded and is ready.
    bool isOutputReady() const { return m_voice != nullptr; }

    // How much of the current sound the output has taken, in microseconds.
    qint64 processedUs() const;

    // The output's state for the current sound; Stopped when idle or while
    // the output loads.
    SoundState outputState() const;

signals:
    // The output has played the current sound to its end. Not sent when the
    // sound is purged or replaced, nor when the output fails or goes quiet.
    void finished();

private:
    enum class Output { NotLoaded, Loading, Ready, Unavailable };

    void outputLoaded();

    Output m_output = Output::NotLoaded;
    QThread *m_loader = nullptr;  // loads the module; ours until it has finished
    QLibrary m_library;           // the module; never unloaded, as Qt's audio is not made to be
    SoundVoiceEntry m_entry = nullptr;
    std::unique_ptr<SoundVoice> m_voice;
    std::optional<SoundClip> m_waiting; // asked for while the output loads
};

} // namespace platform
