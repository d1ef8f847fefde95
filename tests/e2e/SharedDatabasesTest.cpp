#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "OpenedSystem.h"
#include "ProgramRun.h"
#include "TempMachineRoot.h"
#include "platform/Spawn.h"

namespace {

namespace fs = std::filesystem;

using Command = std::vector<std::string>;

// A demo machine, `lns` to drive it (also through a program that runs it: another user, another mount
// namespace), and the network kept open as the plug-in program keeps it while its window is shown.
class SharedDatabases : public ::testing::Test {
 protected:
  SharedDatabases() { EXPECT_EQ(Lns({"init", "--demo"}).code, 0); }

  e2e::ProgramRun Lns(const Command& args, const Command& through = {}) const {
    Command argv = through;
    argv.push_back(std::string(QVR_BIN_DIR) + "/lns");
    argv.insert(argv.end(), args.begin(), args.end());
    return e2e::RunFile(argv.front(), Command(argv.begin() + 1, argv.end()), root.Path());
  }
  e2e::ProgramRun Set(const std::string& value, const Command& through = {}) const {
    return Lns({"cp", "set", "Demo", "Floor 1/Room 101", "N:3/C:0:49", value}, through);
  }
  std::string Get() const { return Lns({"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"}).out; }
  void Hold() { held.emplace(root.Path()); }
  fs::path Network() const { return root.Path() / "LonWorks" / "Databases" / "Demo" / "network.sqlite"; }

  testsupport::TempMachineRoot root;
  std::optional<testsupport::OpenedSystem> held;
};

// What Python's SQLite finds in the network: the check of the whole file, and the note written by hand.
constexpr const char* kCheck = R"py(import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
print(db.execute('pragma integrity_check').fetchall()[0][0])
print(db.execute('select note from noted_by_hand').fetchall()[0][0]))py";

// A person with Python's SQLite: reads, writes once, says so, and quits when told (the end of its input).
constexpr const char* kPerson = R"py(import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
devices = db.execute('select count(*) from devices').fetchall()[0][0]
db.execute('create table noted_by_hand (note text)')
db.execute("insert into noted_by_hand values ('by hand')")
db.commit()
print(devices, flush=True)
sys.stdin.read()
db.close())py";

std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

TEST_F(SharedDatabases, AnotherSqliteProgramReadsAndWritesBesideTheProgramsAndQuitsLast) {
  Hold();
  platform::Pipe input = platform::MakePipe();
  platform::Pipe output = platform::MakePipe();
  platform::SpawnRequest request;
  request.argv = {"python3", "-c", kPerson, Network().string()};
  request.in = platform::StreamTarget::ToDescriptor(input.read.Get());
  request.out = platform::StreamTarget::ToDescriptor(output.write.Get());
  const pid_t person = platform::Spawn(request);
  input.read.Close();
  output.write.Close();
  ASSERT_NE(ReadLine(output.read.Get()), "") << "python3 could not read and write the network";

  for (const char* value : {"7.0", "8.0", "9.0"}) EXPECT_EQ(Set(value).code, 0);
  EXPECT_EQ(Lns({"network", "create", "Second", "--devices", "3"}).code, 0);
  held.reset();
  input.write.Close();
  int status = 0;
  waitpid(person, &status, 0);
  EXPECT_EQ(status, 0);

  EXPECT_EQ(Get(), "9.0\n");
  EXPECT_NE(Lns({"networks"}).out.find("Second"), std::string::npos);
  const e2e::ProgramRun check = e2e::RunFile("python3", {"-c", kCheck, Network().string()}, root.Path());
  EXPECT_EQ(check.out, "ok\nby hand\n") << check.err;
}

// The files that this process maps below `folder`.
std::vector<fs::path> MappedFilesBelow(const std::string& folder) {
  std::vector<fs::path> files;
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    const auto path = line.find(folder);
    if (path != std::string::npos) files.emplace_back(line.substr(path));
  }
  return files;
}

// As a login manager's clean-up of a user's shared memory does, while the network is open.
TEST_F(SharedDatabases, FilesRemovedOutsideTheMachineRootLoseNothing) {
  Hold();
  for (const fs::path& file : MappedFilesBelow("/dev/shm/")) fs::remove(file);
  for (int value = 10; value < 20; ++value) EXPECT_EQ(Set(std::to_string(value) + ".0").code, 0);
  held.reset();
  EXPECT_EQ(Get(), "19.0\n");
}

// A container or sandbox has a memory file system (/dev/shm) of its own.
TEST_F(SharedDatabases, AProgramInAnotherMountNamespaceLosesNothing) {
  const Command ownMemory = {
      "unshare", "-m", "--propagation", "private", "sh", "-c", "mount -t tmpfs tmpfs /dev/shm && exec \"$@\"",
      "sh"};
  if (geteuid() != 0 || e2e::RunFile("unshare", {"-m", "true"}, root.Path()).code != 0)
    GTEST_SKIP() << "no mount namespace of its own here: needs root and unshare";
  Hold();
  const e2e::ProgramRun set = Set("9.0", ownMemory);
  EXPECT_EQ(set.code, 0) << set.err;
  held.reset();
  EXPECT_EQ(Get(), "9.0\n");
}

// Any user may make folders in /dev/shm, where the owner's indexes lay.
TEST_F(SharedDatabases, AnotherUserCannotShutTheOwnerOut) {
  if (geteuid() != 0 || e2e::RunFile("setpriv", {"--reuid=0", "true"}, root.Path()).code != 0)
    GTEST_SKIP() << "no second user here: needs root and setpriv";
  const uid_t owner = 61000 + static_cast<uid_t>(getpid() % 1000) * 2;
  const auto as = [](uid_t user) {
    const std::string id = std::to_string(user);
    return Command{"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups"};
  };
  for (const auto& entry : fs::recursive_directory_iterator(root.Path()))
    ASSERT_EQ(lchown(entry.path().c_str(), owner, owner), 0) << entry.path();
  ASSERT_EQ(lchown(root.Path().c_str(), owner, owner), 0);
  const fs::path strangers = "/dev/shm/qvr-sqlite-" + std::to_string(owner);
  Command mkdir = as(owner + 1);
  mkdir.insert(mkdir.end(), {"mkdir", "-m", "0777", strangers.string()});
  ASSERT_EQ(e2e::RunFile(mkdir.front(), Command(mkdir.begin() + 1, mkdir.end()), root.Path()).code, 0);

  const e2e::ProgramRun stranger =
      Lns({"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"}, as(owner + 1));
  EXPECT_EQ(stranger.err, "lns cp: cannot open the registry store " +
                              (root.Path() / "registry.sqlite").string() +
                              ": unable to open database file: Permission denied\n");
  const e2e::ProgramRun set = Set("8.0", as(owner));
  EXPECT_EQ(set.code, 0) << set.err;
  EXPECT_EQ(Lns({"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"}, as(owner)).out, "8.0\n");
  fs::remove_all(strangers);
}

}  // namespace
