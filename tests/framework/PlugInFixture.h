#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ProgramFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "platform/Error.h"
#include "program/Program.h"
#include "services/TypeFiles.h"

namespace framework_test {

// A program on a machine root with the "Demo" network (unless a test needs none), for tests that drive the
// plug-in object as a director does.
class PlugInTest : public ::testing::Test {
 protected:
  enum class Networks { Demo, None };
  explicit PlugInTest(Networks networks = Networks::Demo) {
    if (networks == Networks::Demo) {
      fixture.CreateDemoNetwork();
      // As on a machine where the plug-in is registered: the maker's type files are in the resource
      // catalogue, so that opening a device asks nothing.
      qvr::InstallTypeFiles(program);
    }
  }

  static void Send(qvr::LNSPlugInAPI& plugIn, std::int32_t commandId, std::int16_t objectClass,
                   std::string objectName) {
    plugIn.SendCommand(commandId, objectClass, objectName);
  }

  lns::LnsObjectServer& Server() { return *state.ObjectServer; }

  testsupport::ProgramFixture fixture;
  qvr::Program& program = fixture.program();
  qvr::FrameworkState& state = program.framework;
};

// The error that `action` raises to the director; a failure of the test when it raises none.
template <class Action>
platform::RaisedError RaisedBy(Action&& action) {
  try {
    action();
  } catch (const platform::RaisedError& error) {
    return error;
  }
  ADD_FAILURE() << "no error was raised";
  return platform::RaisedError(0, "", "");
}

// Expects the error `number` with the plug-in as source and `description`.
inline void ExpectHostError(const platform::RaisedError& error, long number, const std::string& description) {
  EXPECT_EQ(error.Number(), number);
  EXPECT_EQ(error.Source(), "Calyxtern_qvr_lon_PlugIn");
  EXPECT_EQ(error.Description(), description);
}

}  // namespace framework_test
