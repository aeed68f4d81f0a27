// The machine's sound card as the media engine's sound device, through Qt Multimedia. The
// engine's sound thread writes into a small queue; a thread of the adapter's own (with its own
// event loop) moves the queue into a QAudioSink and reads how far the card has played. No
// thread of the engine ever touches a Qt object, and nothing here calls the user interface.
#pragma once

#include <memory>

#include "playback/audio_output.h"

namespace vantrel::platform {

// The default sound output device. None when the process is not a Qt application; Open fails
// when the machine has no sound output device (the recording then plays silent on the
// system clock).
std::unique_ptr<AudioOutput> OpenSoundCard();

// Whether the machine has a sound output device (false in a process that is no Qt
// application). The viewer builds its sound renderer only when it has.
bool SoundCardPresent();

// Makes a program without a user interface a Qt application for as long as this lives, so that
// it can reach the sound card. Make it on the main thread before OpenSoundCard; it does nothing
// in a process that is a Qt application already.
class AudioHost {
 public:
  AudioHost();
  ~AudioHost();
  AudioHost(const AudioHost&) = delete;
  AudioHost& operator=(const AudioHost&) = delete;

 private:
  struct Application;
  std::unique_ptr<Application> application_;
};

}  // namespace vantrel::platform
