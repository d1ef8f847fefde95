#include "platform/Spawn.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

#include "TempMachineRoot.h"

namespace platform_test {
namespace {

std::string ReadToEnd(int fd) {
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

TEST(Spawn, StartsWithTheGivenEnvironmentAndStreams) {
  testsupport::TempMachineRoot root;
  const auto output = root.Path() / "out.txt";
  platform::SpawnRequest request;
  request.argv = {"/bin/sh", "-c", "echo \"$GREETING $HOME\"; echo hidden >&2; exit 3"};
  request.environment = std::vector<std::string>{"GREETING=hello"};
  request.out = platform::StreamTarget::ToFile(output);
  request.err = platform::StreamTarget::DevNull();
  const int status = platform::WaitForChild(platform::Spawn(request));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  std::ifstream in(output);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "hello \n");

  request.argv = {"qvr-no-such-program"};
  try {
    platform::Spawn(request);
    ADD_FAILURE() << "a missing program started";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code().value(), ENOENT);
  }
}

TEST(Spawn, ADetachedProgramRunsInASessionOfItsOwn) {
  platform::Pipe pipe = platform::MakePipe();
  platform::SpawnRequest request;
  // The sixth field of /proc/self/stat is the session.
  request.argv = {"/bin/sh", "-c", "read -r _ _ _ _ _ session _ < /proc/self/stat; echo \"$session\""};
  request.out = platform::StreamTarget::ToDescriptor(pipe.write.Get());
  request.detached = true;
  EXPECT_EQ(platform::Spawn(request), 0);
  pipe.write.Close();
  const std::string session = ReadToEnd(pipe.read.Get());
  ASSERT_FALSE(session.empty());
  EXPECT_NE(std::stol(session), static_cast<long>(getsid(0)));

  request.argv = {"qvr-no-such-program"};
  EXPECT_THROW(platform::Spawn(request), std::system_error);
}

}  // namespace
}  // namespace platform_test
