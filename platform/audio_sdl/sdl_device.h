#pragma once
/// @file
/// The audio device under SDL2_mixer, open only while the program has something to play:
/// an open device keeps a thread of SDL's running (and waking) even in silence, and some of
/// SDL's drivers keep one running as long as its audio part is merely started.

namespace media {

/// The mixer's channels: the effects play on the first, songs held as chunks on the others.
inline constexpr int kSdlChannels = 8;
inline constexpr int kSdlEffectChannel = 0;

class SdlDevice {
public:
    SdlDevice() = default;
    /// Closes the device when it is open, and waits for the closing to end.
    ~SdlDevice();
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;

    /// Opens SDL's audio and SDL_mixer's device with its channels, unless it is open already.
    /// Returns whether it is open. When it cannot be opened, one line on stderr says so (what
    /// the libraries under SDL would print while trying is held back), and the device stays
    /// closed for good: every later call returns false at once.
    bool open();
    /// Closes the device and SDL's audio; nothing must play on it any more. What is sounding
    /// is halted at once; the rest of the closing, which waits while SDL plays out what it
    /// still holds (two buffers), goes on beside the program, and the next open() waits for
    /// it to end.
    void close();
    bool isOpen() const { return open_; }

private:
    bool open_ = false;
    bool missing_ = false;
};

/// Waits for a device closing beside the program to end (at once when none is).
void AwaitSdlAudioClosed();

}  // namespace media
