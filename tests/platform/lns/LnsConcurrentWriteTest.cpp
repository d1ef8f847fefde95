// A director and the plug-in work on one network from two processes at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "LnsDemo.h"

namespace {

constexpr int kWritesPerProcess = 30;
constexpr int kRefusalsPerProcess = 15;
constexpr int kTemperatureNvs[3] = {24, 28, 29};  // nviSpaceTemp, nviSetpoint, nviSetptOffset

// One client process: waits for the start signal, then writes its own properties and tries writes on a
// device that refuses them. Exit code 0 when every write did what was expected.
int RunClient(const std::filesystem::path& root, int startPipe, const char* room) {
  char go = 0;
  if (read(startPipe, &go, 1) != 1) return 10;
  try {
    platform::HeadlessEventLoop loop;
    lns::LnsObjectServer server(loop, root);
    server.Open();
    lns::LnsNetwork network = server.GetNetworks().Item("Demo");
    network.Open();
    lns::LnsSystem system = network.GetSystems().Item(1);
    system.Open();
    lns::LnsSubsystems floors = system.GetSubsystems();
    lns::LnsAppDevice own = floors.Item("Floor 1").GetAppDevices().Item(room);
    lns::LnsAppDevice refusing = floors.Item("Floor 1").GetAppDevices().Item("Room 104");
    lns::LnsNetworkVariables nvs = own.GetInterface().GetNetworkVariables();
    lns::LnsNetworkVariable refused = refusing.GetInterface().GetNetworkVariables().ItemByIndex(20);
    for (int i = 0; i < kWritesPerProcess; ++i) {
      nvs.ItemByIndex(kTemperatureNvs[i % 3]).PutValue(std::to_string(i) + ".00");
      try {
        if (i < kRefusalsPerProcess) {
          refused.PutValue("999");
          return 11;  // a refusal was lost
        }
      } catch (const lns::LnsError& error) {
        if (error.Number() != lns::kLnsWriteRefused) return 12;
      }
    }
    return 0;
  } catch (const std::exception&) {
    return 13;
  }
}

TEST(LnsConcurrentWriteTest, TwoProcessesWritingOneNetworkLoseNothing) {
  lnstest::LnsDemo demo;
  demo.Device("Floor 1", "Room 104").PutFault({2 * kRefusalsPerProcess, false});
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  pid_t children[2];
  const char* rooms[2] = {"Room 101", "Room 102"};
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) _exit(RunClient(demo.Root(), pipeEnds[0], rooms[c]));
  }
  ASSERT_EQ(write(pipeEnds[1], "gg", 2), 2);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  close(pipeEnds[0]);
  close(pipeEnds[1]);

  for (const char* room : rooms) {
    lns::LnsNetworkVariables nvs = demo.Device("Floor 1", room).GetInterface().GetNetworkVariables();
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(nvs.ItemByIndex(kTemperatureNvs[k]).GetValue(),
                std::to_string(kWritesPerProcess - 3 + k) + ".00")
          << room << " variable " << kTemperatureNvs[k];
    }
  }
  lns::LnsAppDevice refusing = demo.Device("Floor 1", "Room 104");
  EXPECT_EQ(refusing.GetFault().refuseWrites, 0);
  EXPECT_EQ(refusing.GetInterface().GetNetworkVariables().ItemByIndex(20).GetValue(), "500");
}

}  // namespace
