#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TempMachineRoot.h"
#include "platform/com/ClassRegistration.h"
#include "platform/com/ServiceFile.h"
#include "platform/registry/RegistryStore.h"

namespace {

using reg::Hive;

const com::LocalServerClass kClass{"Maker_Tool.Api", "{0A1B2C3D-0000-4000-8000-000000000001}"};
const com::LocalServerClass kOtherClass{"Other.Api", "{0A1B2C3D-0000-4000-8000-000000000002}"};

class ClassRegistrationTest : public ::testing::Test {
 protected:
  std::optional<std::string> Default(const std::string& key) {
    return reg::ReadText(store, Hive::LocalMachine, key, "");
  }

  testsupport::TempMachineRoot root;
  reg::RegistryStore store{reg::RegistryStore::FileIn(root.Path())};
};

TEST_F(ClassRegistrationTest, RegisteringWritesTheProgIdAndTheLocalServerAndReplacesAnEarlierPath) {
  ASSERT_EQ(com::RegisterLocalServer(store, kClass, "/opt/tool/bin/tool"), reg::Status::Ok);
  EXPECT_EQ(Default("SOFTWARE\\Classes\\Maker_Tool.Api\\CLSID"), kClass.classId);
  EXPECT_EQ(Default("SOFTWARE\\Classes\\CLSID\\{0A1B2C3D-0000-4000-8000-000000000001}\\LocalServer32"),
            "/opt/tool/bin/tool -Embedding");

  // A path with a blank is quoted, so that a director can tell the program from its argument.
  ASSERT_EQ(com::RegisterLocalServer(store, kClass, "/home/a user/tool"), reg::Status::Ok);
  EXPECT_EQ(Default(com::LocalServerKey(kClass)), "\"/home/a user/tool\" -Embedding");
}

TEST_F(ClassRegistrationTest, UnregisteringRemovesBothKeysWithTheirSubkeysAndNothingElse) {
  ASSERT_EQ(com::RegisterLocalServer(store, kClass, "/opt/tool/bin/tool"), reg::Status::Ok);
  ASSERT_EQ(com::RegisterLocalServer(store, kOtherClass, "/opt/other"), reg::Status::Ok);
  // Something a later registration may have added below the class key goes with it.
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, com::ClassIdKey(kClass) + "\\ProgID\\Deeper"),
            reg::Status::Ok);

  ASSERT_EQ(com::UnregisterLocalServer(store, kClass), reg::Status::Ok);
  EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, com::ProgIdKey(kClass)));
  EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, com::ClassIdKey(kClass)));
  EXPECT_TRUE(store.KeyExists(Hive::LocalMachine, "SOFTWARE\\Classes\\CLSID"));
  EXPECT_EQ(Default(com::LocalServerKey(kOtherClass)), "/opt/other -Embedding");
  EXPECT_EQ(Default(com::ProgIdKey(kOtherClass) + "\\CLSID"), kOtherClass.classId);

  // Unregistering what is gone already is no failure.
  EXPECT_EQ(com::UnregisterLocalServer(store, kClass), reg::Status::Ok);
}

TEST_F(ClassRegistrationTest, AStoreThatRefusesWritesReportsItAndKeepsWhatWasThere) {
  ASSERT_EQ(com::RegisterLocalServer(store, kClass, "/opt/tool/bin/tool"), reg::Status::Ok);
  namespace fs = std::filesystem;
  fs::permissions(reg::RegistryStore::FileIn(root.Path()), fs::perms::owner_read);
  reg::RegistryStore readOnly(reg::RegistryStore::FileIn(root.Path()));
  EXPECT_EQ(com::RegisterLocalServer(readOnly, kClass, "/elsewhere"), reg::Status::StoreFailed);
  EXPECT_EQ(com::UnregisterLocalServer(readOnly, kClass), reg::Status::StoreFailed);
  EXPECT_EQ(Default(com::LocalServerKey(kClass)), "/opt/tool/bin/tool -Embedding");
  EXPECT_EQ(Default(com::ProgIdKey(kClass) + "\\CLSID"), kClass.classId);
}

}  // namespace

namespace {

// The bus starts the class's server from its service file: the bus name is the ProgID, the command the
// same as the registry's.
TEST(ServiceFileTest, NamesTheServerCommandAndGoesWithTheClass) {
  testsupport::TempMachineRoot root;
  const std::filesystem::path folder = root.Path() / "services";
  ASSERT_TRUE(com::WriteServiceFile(folder, kClass, "/home/a user/tool"));
  const std::filesystem::path file = com::ServiceFileOf(folder, kClass);
  EXPECT_EQ(file, folder / "Maker_Tool.Api.service");
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "[D-BUS Service]\nName=Maker_Tool.Api\nExec=\"/home/a user/tool\" -Embedding\n");

  EXPECT_TRUE(com::RemoveServiceFile(folder, kClass));
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(com::RemoveServiceFile(folder, kClass));
}

}  // namespace
