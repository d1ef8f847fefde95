#include "platform/ui/qt/QtApplicationStart.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

#include "platform/EnvironmentNames.h"
#include "platform/WriteFileWhole.h"
#include "platform/ui/qt/QtTranslations.h"

namespace ui {

namespace {

constexpr const char* kPlatformVariable = platform::env::kQtPlatform;
constexpr const char* kRuntimeVariable = platform::env::kRuntimeFolder;
constexpr const char* kOffscreen = "offscreen";

// A desktop of today at 96 dots per inch, 15 twips per pixel: the main window's design needs 1000 pixels.
// Without a window manager a window has no frame: with the platform's pretended one, a window placed left
// of or above the screen would be shifted by the frame's width, and read back shifted.
constexpr const char* kDesktopScreen =
    R"({"windowFrameMargins": false, "screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1200, )"
    R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

QtMessageHandler forwardedMessages = nullptr;

// Drawn into memory, a window has no window manager to raise it or to take its size hints: Qt's notes on
// that tell a user nothing.
void PassOnAllButOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (forwardedMessages) forwardedMessages(type, context, message);
}

bool IsPrivateFolder(const std::filesystem::path& folder) {
  struct stat info {};
  return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 0777) == 0700;
}

// Qt keeps per-session files in XDG_RUNTIME_DIR. Without one (a shell over ssh, a container) the user
// gets a private folder in the temporary folder, made afresh when the usual one is not the user's alone.
std::filesystem::path RuntimeFolder(const std::string& session) {
  if (!session.empty()) return session;
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return {};
  std::filesystem::path folder = temporary / ("qvr-runtime-" + std::to_string(getuid()));
  mkdir(folder.c_str(), 0700);
  if (!IsPrivateFolder(folder)) {
    std::string unique = (temporary / "qvr-runtime-XXXXXX").string();
    if (!mkdtemp(unique.data())) return {};
    folder = unique;
  }
  setenv(kRuntimeVariable, folder.c_str(), 1);
  return folder;
}

// The offscreen platform's configuration with a desktop-sized screen, written whole under its final name
// so that programs starting at the same time never read half of it. Empty when it cannot be written.
std::string DesktopScreenConfiguration(const std::filesystem::path& folder) {
  if (folder.empty()) return {};
  const std::filesystem::path file = folder / "qvr-offscreen-screen.json";
  try {
    platform::WriteFileWhole(file, kDesktopScreen);
  } catch (const platform::FileWriteError&) {
    return {};
  }
  return file.string();
}

// Qt draws on X where the user chose it, or where Qt chooses by itself and no Wayland display is there.
bool DrawsOnX(const DisplaySettings& display) {
  if (display.display.empty()) return false;
  return display.qtPlatform.empty() ? display.waylandDisplay.empty() : display.qtPlatform.starts_with("xcb");
}

void CheckXDisplayOpens(const std::string& name) {
  xcb_connection_t* connection = xcb_connect(name.c_str(), nullptr);
  const int error = xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  if (error == 0) return;
  const char* reason = error == XCB_CONN_CLOSED_PARSE_ERR ? "that is no display's name"
                       : error == XCB_CONN_CLOSED_INVALID_SCREEN
                           ? "the X server has no such screen"
                           : "no X server there lets this program in (it "
                             "may have ended)";
  throw DisplayUnavailable("cannot open the X display " + name + " (DISPLAY): " + reason);
}

}  // namespace

std::unique_ptr<QApplication> StartQtApplication(int& argc, char** argv, const DisplaySettings& display,
                                                 bool offscreen) {
  static std::once_flag handlerInstalled;
  std::call_once(handlerInstalled,
                 [] { forwardedMessages = qInstallMessageHandler(PassOnAllButOffscreenNotes); });
  if (!offscreen && DrawsOnX(display)) CheckXDisplayOpens(display.display);
  const std::filesystem::path runtime = RuntimeFolder(display.runtimeFolder);

  const std::string& platform = display.qtPlatform;
  // A platform with options of the user's own is left as it is.
  const bool plainOffscreen = platform == kOffscreen || (offscreen && platform.empty());
  const std::string configuration = plainOffscreen ? DesktopScreenConfiguration(runtime) : std::string();
  if (!configuration.empty()) {
    setenv(kPlatformVariable, (std::string(kOffscreen) + ":configfile=" + configuration).c_str(), 1);
  } else if (plainOffscreen) {
    setenv(kPlatformVariable, kOffscreen, 1);
  }
  auto application = std::make_unique<QApplication>(argc, argv);
  InstallQtTranslations(*application);
  if (plainOffscreen) setenv(kPlatformVariable, kOffscreen, 1);
  return application;
}

}  // namespace ui
