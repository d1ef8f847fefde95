#include "platform/registry/RegistryStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "platform/Error.h"

namespace registry_test {
namespace {

using reg::Hive;
using reg::RegValue;
using reg::Status;
using reg::ValueType;

constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;

class RegistryStoreTest : public ::testing::Test {
 protected:
  std::vector<std::string> Subkeys(Hive hive, const std::string& key) {
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t i = 0; store.EnumKey(hive, key, i, name) == Status::Ok; ++i) names.push_back(name);
    return names;
  }

  testsupport::TempMachineRoot root;
  reg::RegistryStore store{reg::RegistryStore::FileIn(root.Path())};
};

TEST_F(RegistryStoreTest, KeysMatchWithoutLetterCaseAndKeepTheirFirstSpelling) {
  ASSERT_EQ(store.CreateKey(HKLM, "SOFTWARE\\LonWorks\\LCA"), Status::Ok);
  ASSERT_EQ(store.CreateKey(HKLM, "software\\LONWORKS\\Plug-Ins"), Status::Ok);
  EXPECT_EQ(Subkeys(HKLM, "Software"), std::vector<std::string>{"LonWorks"});
  EXPECT_EQ(Subkeys(HKLM, "software\\lonworks"), (std::vector<std::string>{"LCA", "Plug-Ins"}));
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE\\LONWORKS\\lca"));

  // Latin-1 letters fold too, so a German key name is one key in any case.
  ASSERT_EQ(store.CreateKey(HKCU, "Geräte\\Öfen"), Status::Ok);
  EXPECT_TRUE(store.KeyExists(HKCU, "GERÄTE\\öFEN"));
  EXPECT_EQ(Subkeys(HKCU, "gerÄte"), std::vector<std::string>{"Öfen"});

  // The hives are apart.
  EXPECT_FALSE(store.KeyExists(HKCU, "SOFTWARE"));
  EXPECT_FALSE(store.KeyExists(HKLM, "Geräte"));

  // Value names match without case as well.
  ASSERT_EQ(store.SetValue(HKLM, "SOFTWARE\\LonWorks", "LonWorks Path", RegValue{ValueType::Sz, "/a"}),
            Status::Ok);
  ASSERT_EQ(store.SetValue(HKLM, "SOFTWARE\\LonWorks", "LONWORKS PATH", RegValue{ValueType::Sz, "/b"}),
            Status::Ok);
  RegValue value;
  ASSERT_EQ(store.QueryValue(HKLM, "software\\lonworks", "lonworks path", value), Status::Ok);
  EXPECT_EQ(value.data, "/b");
}

TEST_F(RegistryStoreTest, ValuesKeepTheirTypeAndDataAndTheDefaultValueIsApart) {
  const std::string key = "Control Panel\\International";
  const std::string withNul("1.5\0rest", 8);
  struct Case {
    std::string name;
    ValueType type;
    std::string data;
    std::string read;
  };
  const Case cases[] = {{"sDecimal", ValueType::Sz, ",", ","},
                        {"", ValueType::Sz, "default", "default"},
                        {"Path", ValueType::ExpandSz, "%HOME%\\x", "%HOME%\\x"},
                        {"Count", ValueType::Dword, "0042", "42"},
                        {"Version", ValueType::Sz, withNul, withNul},
                        {"Empty", ValueType::Sz, "", ""}};
  for (const Case& c : cases)
    ASSERT_EQ(store.SetValue(HKCU, key, c.name, RegValue{c.type, c.data}, true), Status::Ok) << c.name;
  // A second store on the same file sees them all.
  reg::RegistryStore other(reg::RegistryStore::FileIn(root.Path()));
  RegValue value;
  for (const Case& c : cases) {
    ASSERT_EQ(other.QueryValue(HKCU, key, c.name, value), Status::Ok) << c.name;
    EXPECT_EQ(value.type, c.type) << c.name;
    EXPECT_EQ(value.data, c.read) << c.name;
  }
  EXPECT_EQ(reg::ReadText(other, HKCU, key, "Path"), "%HOME%\\x");
  EXPECT_EQ(reg::ReadText(other, HKCU, key, "Count"), std::nullopt) << "a number is no text";

  // Rewriting replaces type and data.
  ASSERT_EQ(store.SetValue(HKCU, key, "Count", RegValue{ValueType::Sz, "many"}), Status::Ok);
  ASSERT_EQ(other.QueryValue(HKCU, key, "count", value), Status::Ok);
  EXPECT_EQ(value.type, ValueType::Sz);
  EXPECT_EQ(value.data, "many");

  EXPECT_EQ(other.QueryValue(HKCU, key, "Missing", value), Status::NotFound);
  EXPECT_EQ(other.QueryValue(HKCU, "Control Panel\\Missing", "", value), Status::NotFound);
  EXPECT_EQ(reg::ReadText(other, HKCU, key, "Missing"), std::nullopt);
  ASSERT_EQ(store.DeleteValue(HKCU, key, "SDECIMAL"), Status::Ok);
  EXPECT_EQ(other.QueryValue(HKCU, key, "sDecimal", value), Status::NotFound);
  EXPECT_EQ(store.DeleteValue(HKCU, key, "sDecimal"), Status::NotFound);
  EXPECT_EQ(other.QueryValue(HKCU, key, "", value), Status::Ok);
}

TEST_F(RegistryStoreTest, WritesCreateKeysOnlyWhenAskedAndRefuseBadNumbers) {
  const RegValue text{ValueType::Sz, "x"};
  EXPECT_EQ(store.SetValue(HKLM, "SOFTWARE\\A\\B", "v", text), Status::NotFound);
  EXPECT_FALSE(store.KeyExists(HKLM, "SOFTWARE"));
  ASSERT_EQ(store.SetValue(HKLM, "SOFTWARE\\A\\B", "v", text, true), Status::Ok);
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE"));
  EXPECT_TRUE(store.KeyExists(HKLM, "SOFTWARE\\A"));
  EXPECT_EQ(store.CreateKey(HKLM, "software\\a\\b"), Status::Ok);  // already there
  EXPECT_EQ(Subkeys(HKLM, "SOFTWARE\\A"), std::vector<std::string>{"B"});

  // AddValueIfMissing never replaces a value, but fills a missing one and its keys.
  ASSERT_EQ(store.AddValueIfMissing(HKLM, "SOFTWARE\\A\\B", "V", RegValue{ValueType::Sz, "new"}), Status::Ok);
  ASSERT_EQ(store.AddValueIfMissing(HKLM, "SOFTWARE\\C", "w", RegValue{ValueType::Sz, "added"}), Status::Ok);
  EXPECT_EQ(reg::ReadText(store, HKLM, "SOFTWARE\\A\\B", "v"), "x");
  EXPECT_EQ(reg::ReadText(store, HKLM, "SOFTWARE\\C", "w"), "added");

  // A DWORD must be a 32-bit number; a refused value creates no key either.
  for (const char* bad : {"", "abc", "-1", "4294967296", "12 ", "+3", "0x10"}) {
    EXPECT_EQ(store.SetValue(HKLM, "K", "Dw", RegValue{ValueType::Dword, bad}, true), Status::InvalidValue)
        << bad;
  }
  EXPECT_FALSE(store.KeyExists(HKLM, "K"));
  ASSERT_EQ(store.SetValue(HKLM, "K", "Dw", RegValue{ValueType::Dword, "4294967295"}, true), Status::Ok);
  RegValue value;
  ASSERT_EQ(store.QueryValue(HKLM, "K", "Dw", value), Status::Ok);
  EXPECT_EQ(value.data, "4294967295");
}

TEST_F(RegistryStoreTest, KeyWithSubkeysCannotBeDeleted) {
  ASSERT_EQ(store.SetValue(HKLM, "SOFTWARE\\Vendor\\App", "v", RegValue{ValueType::Sz, "1"}, true),
            Status::Ok);
  ASSERT_EQ(store.SetValue(HKLM, "SOFTWARE\\Vendor", "w", RegValue{ValueType::Sz, "2"}), Status::Ok);

  EXPECT_EQ(store.DeleteKey(HKLM, "SOFTWARE\\Vendor"), Status::HasSubkeys);
  EXPECT_EQ(reg::ReadText(store, HKLM, "SOFTWARE\\Vendor", "w"), "2");
  EXPECT_EQ(store.DeleteKey(HKLM, "software\\vendor\\app"), Status::Ok);
  EXPECT_FALSE(store.KeyExists(HKLM, "SOFTWARE\\Vendor\\App"));
  EXPECT_EQ(store.DeleteKey(HKLM, "SOFTWARE\\Vendor"), Status::Ok);
  EXPECT_EQ(store.DeleteKey(HKLM, "SOFTWARE\\Vendor"), Status::NotFound);

  // A key made again under the old name starts without the old values.
  ASSERT_EQ(store.CreateKey(HKLM, "SOFTWARE\\Vendor\\App"), Status::Ok);
  EXPECT_EQ(reg::ReadText(store, HKLM, "SOFTWARE\\Vendor", "w"), std::nullopt);
  EXPECT_EQ(reg::ReadText(store, HKLM, "SOFTWARE\\Vendor\\App", "v"), std::nullopt);
  EXPECT_EQ(Subkeys(HKLM, "SOFTWARE"), std::vector<std::string>{"Vendor"});
}

TEST_F(RegistryStoreTest, EnumerationIsAlphabeticalAndEndsWithNotFound) {
  for (const char* name : {"delta", "Alpha", "charlie", "Bravo"}) {
    ASSERT_EQ(store.CreateKey(HKLM, std::string("Root\\") + name), Status::Ok);
  }
  ASSERT_EQ(store.CreateKey(HKLM, "Root\\Bravo\\Nested"), Status::Ok);
  ASSERT_EQ(store.CreateKey(HKLM, "Rooted\\Other"), Status::Ok);
  EXPECT_EQ(Subkeys(HKLM, "ROOT"), (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta"}));

  std::string name = "unchanged";
  EXPECT_EQ(store.EnumKey(HKLM, "Root", 4, name), Status::NotFound);
  EXPECT_EQ(store.EnumKey(HKLM, "Root", 1000, name), Status::NotFound);
  EXPECT_EQ(store.EnumKey(HKLM, "Root\\Alpha", 0, name), Status::NotFound);
  EXPECT_EQ(store.EnumKey(HKLM, "Missing", 0, name), Status::NotFound);
  EXPECT_EQ(store.EnumKey(HKCU, "Root", 0, name), Status::NotFound);
  EXPECT_EQ(name, "unchanged");
}

TEST_F(RegistryStoreTest, MalformedKeyPathsAreRefused) {
  const std::string longest(255, 'k');
  RegValue value{ValueType::Sz, "x"};
  std::string name;
  for (const std::string& bad : {std::string(), std::string("\\SOFTWARE"), std::string("A\\\\B"),
                                 std::string("A\\"), longest + "k", std::string("A\\B\0C", 5)}) {
    EXPECT_EQ(store.CreateKey(HKLM, bad), Status::InvalidName) << bad;
    EXPECT_EQ(store.SetValue(HKLM, bad, "v", value, true), Status::InvalidName) << bad;
    EXPECT_EQ(store.QueryValue(HKLM, bad, "v", value), Status::InvalidName) << bad;
    EXPECT_EQ(store.DeleteKey(HKLM, bad), Status::InvalidName) << bad;
    EXPECT_EQ(store.EnumKey(HKLM, bad, 0, name), Status::InvalidName) << bad;
    EXPECT_FALSE(store.KeyExists(HKLM, bad)) << bad;
  }
  EXPECT_EQ(store.EnumKey(HKLM, "A", 0, name), Status::NotFound);  // nothing was created
  EXPECT_EQ(store.CreateKey(HKLM, longest), Status::Ok);
  EXPECT_EQ(store.CreateKey(HKLM, std::string(255, 'x') + "\\" + std::string(127, 'y') + "ä"), Status::Ok);
}

TEST(RegistryStoreOpen, FailsWithAReasonForAMissingFolderOrAForeignFile) {
  testsupport::TempMachineRoot root;
  try {
    reg::RegistryStore store(root.Path() / "missing" / "registry.sqlite");
    FAIL() << "opened a store in a missing folder";
  } catch (const platform::RaisedError& error) {
    EXPECT_NE(error.Description().find("missing/registry.sqlite"), std::string::npos) << error.Description();
  }

  const auto file = reg::RegistryStore::FileIn(root.Path());
  std::ofstream(file) << "this is no database, just some text that is long enough to be looked at";
  EXPECT_THROW(reg::RegistryStore{file}, platform::RaisedError);
}

}  // namespace
}  // namespace registry_test
