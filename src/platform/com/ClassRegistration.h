#pragma once

#include <filesystem>
#include <string>

#include "platform/registry/RegistryStore.h"

namespace com {

// A COM class served by a local server program: what a director needs to find it by ProgID.
struct LocalServerClass {
  std::string progId;   // "Project.Class"
  std::string classId;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
};

// The class keys below HKEY_LOCAL_MACHINE.
std::string ProgIdKey(const LocalServerClass& cls);       // SOFTWARE\Classes\<ProgID>
std::string ClassIdKey(const LocalServerClass& cls);      // SOFTWARE\Classes\CLSID\<classId>
std::string LocalServerKey(const LocalServerClass& cls);  // ...\CLSID\<classId>\LocalServer32

// The command a director runs to start the server: the program's path, quoted when it holds a blank,
// then " -Embedding".
std::string LocalServerCommand(const std::filesystem::path& serverProgram);

// Writes <ProgID>\CLSID = classId and CLSID\<classId>\LocalServer32 = the server command, replacing what
// an earlier registration wrote. The server key is written first, so that a ProgID never leads to a class
// without a server; when the ProgID cannot be written, the server key is taken back. Ok or the store's
// failure.
reg::Status RegisterLocalServer(reg::RegistryStore& store, const LocalServerClass& cls,
                                const std::filesystem::path& serverProgram);

// Removes the ProgID's key and the class's key with everything below them; keys that are missing already
// are no failure. Ok or the store's failure.
reg::Status UnregisterLocalServer(reg::RegistryStore& store, const LocalServerClass& cls);

}  // namespace com
