#pragma once

#include <array>
#include <string>
#include <string_view>

// The environment variables that the programs read. Only a program's main reads the environment; everything
// below it is handed the values.
namespace platform::env {

// The machine root (platform::MachineRoot): LNS_ROOT, else below the user's data folder.
inline constexpr const char* kMachineRoot = "LNS_ROOT";
inline constexpr const char* kDataHome = "XDG_DATA_HOME";
inline constexpr const char* kHome = "HOME";

// The plug-in program's run for scripts and tests: the back end ("headless"), the message boxes' answers, the
// user's actions, the snapshot's file, and the waits of a program started by the bus: for its first object,
// and for the program to take a director's held call.
inline constexpr const char* kBackEnd = "QVR_UI";
inline constexpr const char* kAnswers = "QVR_ANSWERS";
inline constexpr const char* kActions = "QVR_DO";
inline constexpr const char* kSnapshot = "QVR_SNAPSHOT";
inline constexpr const char* kFirstObjectWaitMs = "QVR_FIRST_OBJECT_WAIT_MS";
inline constexpr const char* kHeldCallWaitMs = "QVR_HELD_CALL_WAIT_MS";

// The window system (ui::DisplaySettings).
inline constexpr const char* kDisplay = "DISPLAY";
inline constexpr const char* kWaylandDisplay = "WAYLAND_DISPLAY";
inline constexpr const char* kQtPlatform = "QT_QPA_PLATFORM";
inline constexpr const char* kRuntimeFolder = "XDG_RUNTIME_DIR";
inline constexpr const char* kXAuthority = "XAUTHORITY";
inline constexpr std::array<const char*, 5> kDisplayVariables = {kDisplay, kWaylandDisplay, kQtPlatform,
                                                                 kRuntimeFolder, kXAuthority};

// The cookie file X reads without XAUTHORITY: the one handed on for it, since an empty setting would make X
// read none.
inline std::string DefaultXAuthorityFile(const std::string& home) {
  return home + "/.Xauthority";
}

// The user's language and regional settings, which a director hands to the program that the bus starts for
// it: LANGUAGE, LANG and every LC_ variable; those of the C library's categories that the director lacks go
// as empty ones.
inline constexpr const char* kLanguages = "LANGUAGE";
inline constexpr const char* kLanguage = "LANG";
inline constexpr const char* kLocaleVariablePrefix = "LC_";
inline constexpr std::array<const char*, 13> kLocaleCategories = {
    "LC_ALL",   "LC_CTYPE", "LC_NUMERIC", "LC_TIME",      "LC_COLLATE",     "LC_MONETARY",      "LC_MESSAGES",
    "LC_PAPER", "LC_NAME",  "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

// Whether `name` is one of the settings that a director hands to the program that the bus starts for it.
inline bool IsDisplayOrLanguage(std::string_view name) {
  for (const char* display : kDisplayVariables) {
    if (name == display) return true;
  }
  return name == kLanguages || name == kLanguage || name.starts_with(kLocaleVariablePrefix);
}

// The bus that started a program for a director.
inline constexpr const char* kBusStarter = "DBUS_STARTER_ADDRESS";
// Every variable a bus sets for the programs it starts begins so.
inline constexpr const char* kBusVariablePrefix = "DBUS_";

}  // namespace platform::env
