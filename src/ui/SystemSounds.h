#pragma once
// The three beeps as the desktop's sound-theme events. A sound is only
// started, never waited for; where it cannot be started (no sound server,
// no theme) the plain bell rings instead.
#include <functional>

#include "platform/Beep.h"

namespace tv {

// The sound-theme event id of each kind.
const char* SoundEventId(BeepKind kind);

class SystemSounds {
 public:
  // Starts the event's sound and returns at once; false when it could not
  // be started.
  using Play = std::function<bool(const char* eventId)>;
  using Bell = std::function<void()>;

  SystemSounds(Play play, Bell bell) : m_play(std::move(play)), m_bell(std::move(bell)) {}
  // The desktop's sound server, reached on the first beep; the bell as given.
  explicit SystemSounds(Bell bell);

  void Beep(BeepKind kind) const;

 private:
  Play m_play;
  Bell m_bell;
};

}  // namespace tv
