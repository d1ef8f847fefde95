#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/Spawn.h"

namespace testsupport {

// An X display of the test's own (Xvfb), on which windows show as a person's would, optionally with a window
// manager, and the person's close and maximise boxes.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    // Xvfb writes the number of the display it opened to its standard output.
    platform::Pipe number;
    platform::SpawnRequest request;
    request.argv = {"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"};
    request.err = platform::StreamTarget::DevNull();
    try {
      number = platform::MakePipe();
      request.out = platform::StreamTarget::ToDescriptor(number.write.Get());
      pid_ = platform::Spawn(request);
    } catch (const std::system_error&) {
      return;
    }
    number.write.Close();
    std::string said;
    pollfd ready{number.read.Get(), POLLIN, 0};
    while (said.find('\n') == std::string::npos && poll(&ready, 1, 20000) > 0) {
      char buffer[16];
      const ssize_t got = read(number.read.Get(), buffer, sizeof buffer);
      if (got <= 0) break;
      said.append(buffer, static_cast<std::size_t>(got));
    }
    if (said.find('\n') != std::string::npos) name_ = ":" + said.substr(0, said.find('\n'));
  }
  ~VirtualDisplay() {
    for (const pid_t pid : {windowManager_, pid_}) {
      if (!pid) continue;
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // ":N", or "" when Xvfb could not start.
  const std::string& Name() const { return name_; }

  // Starts the window manager `argv` on the display, its settings and logs below `home`, and waits up to
  // 20 s for it to manage the screen; false when it is not installed or did not.
  bool StartWindowManager(std::vector<std::string> argv, const std::string& home) {
    platform::SpawnRequest request;
    request.argv = std::move(argv);
    request.environment = platform::EnvironmentWithout([](std::string_view name) {
      return name == "DISPLAY" || name == "HOME" || name.rfind("XDG_", 0) == 0;
    });
    request.environment->insert(request.environment->end(), {"DISPLAY=" + name_, "HOME=" + home});
    request.out = platform::StreamTarget::DevNull();
    request.err = platform::StreamTarget::DevNull();
    try {
      windowManager_ = platform::Spawn(request);
    } catch (const std::system_error&) {
      return false;
    }
    // A window manager names the window it checks by on the root window once it manages the screen.
    xcb_connection_t* x = xcb_connect(name_.c_str(), nullptr);
    bool managed = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!xcb_connection_has_error(x) && !managed && std::chrono::steady_clock::now() < deadline) {
      const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
      xcb_get_property_reply_t* check = xcb_get_property_reply(
          x, xcb_get_property(x, 0, root, Atom(x, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
          nullptr);
      managed = check && xcb_get_property_value_length(check) > 0;
      free(check);
      if (!managed) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    managed = managed && MapsWindows(x, deadline);
    xcb_disconnect(x);
    return managed;
  }

  // Clicks the maximise (or restore) box of the shown top-level window whose title starts with `title`:
  // the window manager is asked as its title bar's button asks it. False when no such window showed.
  // With `shownOnly` false the window may be minimised (a task bar's menu maximises it so).
  bool Maximize(const std::string& title, bool maximized, bool shownOnly = true) const {
    return OnWindow(
        title,
        [maximized](xcb_connection_t* x, xcb_window_t window) {
          xcb_client_message_event_t event{};
          event.response_type = XCB_CLIENT_MESSAGE;
          event.format = 32;
          event.window = window;
          event.type = Atom(x, "_NET_WM_STATE");
          event.data.data32[0] = maximized ? 1 : 0;  // add or remove
          event.data.data32[1] = Atom(x, "_NET_WM_STATE_MAXIMIZED_VERT");
          event.data.data32[2] = Atom(x, "_NET_WM_STATE_MAXIMIZED_HORZ");
          event.data.data32[3] = 2;  // asked for by the user
          SendToWindowManager(x, event);
        },
        shownOnly);
  }

  // Clicks the minimise box of the shown top-level window whose title starts with `title`: the window asks
  // the window manager to iconify it, as the box's click does. False when no such window showed.
  bool Minimize(const std::string& title) const {
    return OnWindow(title, [](xcb_connection_t* x, xcb_window_t window) {
      xcb_client_message_event_t event{};
      event.response_type = XCB_CLIENT_MESSAGE;
      event.format = 32;
      event.window = window;
      event.type = Atom(x, "WM_CHANGE_STATE");
      event.data.data32[0] = 3;  // iconic
      SendToWindowManager(x, event);
    });
  }

  // Brings the top-level window whose title starts with `title` back and to the front, minimised or not,
  // as a task bar's click or `wmctrl -a` does. False when there is no such window.
  bool Activate(const std::string& title) const {
    return OnWindow(
        title,
        [](xcb_connection_t* x, xcb_window_t window) {
          xcb_client_message_event_t event{};
          event.response_type = XCB_CLIENT_MESSAGE;
          event.format = 32;
          event.window = window;
          event.type = Atom(x, "_NET_ACTIVE_WINDOW");
          event.data.data32[0] = 2;  // asked for by a pager
          SendToWindowManager(x, event);
        },
        false);
  }

  // Waits up to 20 s for a top-level window whose title starts with `title` to show; false when none showed.
  bool Shows(const std::string& title) const {
    return OnWindow(title, [](xcb_connection_t*, xcb_window_t) {});
  }

  // Clicks the close box of the shown top-level window whose title starts with `title` (a window manager
  // sends WM_DELETE_WINDOW); waits up to 20 s for it to show. False when none showed.
  bool Close(const std::string& title) const {
    return OnWindow(title, [](xcb_connection_t* x, xcb_window_t window) {
      xcb_client_message_event_t event{};
      event.response_type = XCB_CLIENT_MESSAGE;
      event.format = 32;
      event.window = window;
      event.type = Atom(x, "WM_PROTOCOLS");
      event.data.data32[0] = Atom(x, "WM_DELETE_WINDOW");
      event.data.data32[1] = XCB_CURRENT_TIME;
      // Checked, so that the server has delivered the event before the connection closes: requests still
      // unread when a client hangs up are dropped.
      free(xcb_request_check(x, xcb_send_event_checked(x, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                       reinterpret_cast<const char*>(&event))));
    });
  }

 private:
  // Runs `act` on the window whose title starts with `title` once it is there (and shows, when `shownOnly`);
  // false when there was none in 20 s.
  template <class Act>
  bool OnWindow(const std::string& title, Act act, bool shownOnly = true) const {
    xcb_connection_t* x = xcb_connect(name_.c_str(), nullptr);
    bool found = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!xcb_connection_has_error(x) && !found && std::chrono::steady_clock::now() < deadline) {
      const xcb_window_t window = TopLevelWindow(x, title, shownOnly);
      if (window == XCB_NONE) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        continue;
      }
      act(x, window);
      found = true;
    }
    xcb_disconnect(x);
    return found;
  }

  // A request to the window manager, delivered before the connection closes (requests still unread when a
  // client hangs up are dropped).
  static void SendToWindowManager(xcb_connection_t* x, const xcb_client_message_event_t& event) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    free(xcb_request_check(
        x, xcb_send_event_checked(x, 0, root,
                                  XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                                  reinterpret_cast<const char*>(&event))));
  }

  // A window manager that names its check window may still be starting: a window asked to show then can
  // stay unshown until the manager's next event. It has started once it shows a window of ours; each
  // repeated ask is such an event.
  static bool MapsWindows(xcb_connection_t* x, std::chrono::steady_clock::time_point deadline) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t probe = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    bool shown = false;
    while (!xcb_connection_has_error(x) && !shown && std::chrono::steady_clock::now() < deadline) {
      xcb_map_window(x, probe);
      xcb_get_window_attributes_reply_t* attributes =
          xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, probe), nullptr);
      shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
      free(attributes);
      if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // Checked, so that the window is gone before the program's windows come.
    free(xcb_request_check(x, xcb_destroy_window_checked(x, probe)));
    return shown;
  }

  static xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    free(reply);
    return atom;
  }

  static std::string TextProperty(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string text = reply ? std::string(static_cast<const char*>(xcb_get_property_value(reply)),
                                           static_cast<std::size_t>(xcb_get_property_value_length(reply)))
                             : std::string();
    free(reply);
    return text;
  }

  // The window below `parent` whose title starts with `title`: a top-level window, or a window manager's
  // frame's client; only a shown one when `shownOnly` (a minimised window is unmapped, and so its frame).
  static xcb_window_t TopLevelWindow(xcb_connection_t* x, const std::string& title, bool shownOnly,
                                     xcb_window_t parent = XCB_NONE, int depth = 0) {
    if (parent == XCB_NONE) parent = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, parent), nullptr);
    xcb_window_t found = XCB_NONE;
    const xcb_window_t* children = tree ? xcb_query_tree_children(tree) : nullptr;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree) && found == XCB_NONE; ++i) {
      xcb_get_window_attributes_reply_t* attributes =
          xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
      const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
      free(attributes);
      if (shownOnly && !shown) continue;
      // The title a window manager shows: the UTF-8 one, else the old one.
      std::string text = TextProperty(x, children[i], Atom(x, "_NET_WM_NAME"));
      if (text.empty()) text = TextProperty(x, children[i], XCB_ATOM_WM_NAME);
      if (!text.empty() && text.rfind(title, 0) == 0) {
        found = children[i];
      } else if (text.empty() && depth < 2) {
        found = TopLevelWindow(x, title, shownOnly, children[i], depth + 1);
      }
    }
    free(tree);
    return found;
  }

  pid_t pid_ = 0;
  pid_t windowManager_ = 0;
  std::string name_;
};

}  // namespace testsupport
