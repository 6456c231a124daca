#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// The meeting point of the game and its audio output, which lives in a module
// of its own (tallyfold-sound) so that the game starts without loading the
// audio libraries: they are loaded when the music is first needed. Nothing
// here may depend on Qt Multimedia, and nothing passed across may carry a
// class of the game's own with a vtable the module would have to find.

namespace platform {

// One sound, checked by the game: a RIFF/WAVE image and where its PCM
// samples lie in it.
struct SoundClip
{
    QByteArray image; // shared, not copied: the samples are read from it
    qsizetype dataOffset = 0;
    qsizetype dataLength = 0;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed, little-endian)
    qint64 durationUs = 0;
};

// What the output says of the sound it plays.
enum class SoundState { Stopped, Active, Suspended, Idle };

// Plays one sound at a time on the default output. Lives and is used on the
// thread that made it.
class SoundVoice
{
public:
    virtual ~SoundVoice() = default;

    // Stops whatever plays, then starts `clip` and returns at once; false
    // means silence (no device, a format it refuses, an output that failed).
    virtual bool play(const SoundClip &clip) = 0;
    // Stops the sound, if any. Not an ending: `finished` is not called.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    virtual qint64 processedUs() const = 0;
    virtual SoundState state() const = 0;
};

// The module's one entry point, found by name. It returns nullptr when the
// module was built for another version of this interface. `finished` is
// called, on the voice's thread, when a sound has played to its end.
inline constexpr int SoundVoiceInterfaceVersion = 1;
inline constexpr char SoundVoiceEntryName[] = "tallyfold_create_sound_voice";
using SoundVoiceEntry = SoundVoice *(*)(int interfaceVersion, std::function<void()> finished);

} // namespace platform
