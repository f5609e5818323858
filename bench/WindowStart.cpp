#include "WindowStart.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <set>

namespace tv::bench {
namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr),
      &std::free);
  if (!reply) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                     std::size_t(xcb_get_property_value_length(reply.get())));
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& env) {
  std::vector<char*> vars;
  for (const std::string& v : env) vars.push_back(const_cast<char*>(v.c_str()));
  vars.push_back(nullptr);
  char* args[] = {const_cast<char*>(program.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args, vars.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace

double StartToWindow(const VirtualScreen& screen, const std::string& program, const std::string& home,
                     const std::string& readyTitle, bool messageCounts) {
  xcb_connection_t* c = xcb_connect(screen.Display().c_str(), nullptr);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    return -1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
  const xcb_atom_t netName = Atom(c, "_NET_WM_NAME");
  xcb_flush(c);

  const std::string runtime = home + "/runtime";
  ::mkdir(runtime.c_str(), 0700);
  const std::vector<std::string> env = {"DISPLAY=" + screen.Display(),
                                        "HOME=" + home,
                                        "XDG_RUNTIME_DIR=" + runtime,
                                        "XDG_CONFIG_HOME=" + home + "/.config",
                                        "XDG_CACHE_HOME=" + home + "/.cache",
                                        "QT_QPA_PLATFORM=xcb",
                                        "PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "")};
  const std::regex ready(readyTitle);
  std::set<xcb_window_t> mapped;
  const auto isReady = [&](xcb_window_t w) {
    if (!mapped.contains(w)) return false;
    if (messageCounts && mapped.size() > 1) return true;
    const std::string title = Property(c, w, netName);
    return std::regex_search(title.empty() ? Property(c, w, XCB_ATOM_WM_NAME) : title, ready);
  };

  const auto start = Clock::now();
  const pid_t pid = Spawn(program, env);
  double ms = -1;
  const auto until = start + std::chrono::minutes(1);
  pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
  while (pid > 0 && ms < 0 && Clock::now() < until && !xcb_connection_has_error(c)) {
    ::poll(&p, 1, 100);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      xcb_window_t w = XCB_WINDOW_NONE;
      switch (event->response_type & 0x7F) {
        case XCB_CREATE_NOTIFY: {
          w = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
          const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
          xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &events);
          break;
        }
        case XCB_MAP_NOTIFY:
          w = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
          mapped.insert(w);
          break;
        case XCB_PROPERTY_NOTIFY:
          w = reinterpret_cast<xcb_property_notify_event_t*>(event)->window;
          break;
      }
      const auto seen = Clock::now();
      std::free(event);
      if (ms < 0 && w != XCB_WINDOW_NONE && isReady(w))
        ms = std::chrono::duration<double, std::milli>(seen - start).count();
    }
  }
  if (pid > 0) {
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
  }
  xcb_disconnect(c);
  return ms;
}

}  // namespace tv::bench
