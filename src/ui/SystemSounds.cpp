#include "ui/SystemSounds.h"

#include <canberra.h>

#include <memory>
#include <set>
#include <string>

namespace tv {
namespace {

// One connection to the sound server for the whole run, made on the first
// beep: most runs never beep. A server that cannot be reached, or a sound it
// could not play, is not asked for again: without a sound device every try
// costs a device probe and its complaints on the standard error.
class SoundServer {
 public:
  bool Play(const char* eventId) {
    if (!m_tried) Open();
    if (!m_context || m_failed.contains(eventId)) return false;
    if (ca_context_play(m_context.get(), 0, CA_PROP_EVENT_ID, eventId, nullptr) == CA_SUCCESS) return true;
    m_failed.insert(eventId);
    return false;
  }

 private:
  void Open() {
    m_tried = true;
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return;
    std::unique_ptr<ca_context, int (*)(ca_context*)> owned(context, ca_context_destroy);
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tarvolin", nullptr);
    if (ca_context_open(context) != CA_SUCCESS) return;
    m_context = std::move(owned);
  }

  bool m_tried = false;
  std::set<std::string> m_failed;
  std::unique_ptr<ca_context, int (*)(ca_context*)> m_context{nullptr, ca_context_destroy};
};

}  // namespace

const char* SoundEventId(BeepKind kind) {
  switch (kind) {
    case BeepKind::Information:
      return "dialog-information";
    case BeepKind::Exclamation:
      return "dialog-warning";
    case BeepKind::Default:
      break;
  }
  return "bell";
}

SystemSounds::SystemSounds(Bell bell)
    : m_play([server = std::make_shared<SoundServer>()](const char* id) { return server->Play(id); }),
      m_bell(std::move(bell)) {}

void SystemSounds::Beep(BeepKind kind) const {
  if (!m_play(SoundEventId(kind))) m_bell();
}

}  // namespace tv
