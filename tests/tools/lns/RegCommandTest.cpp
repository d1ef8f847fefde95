#include <gtest/gtest.h>

#include <filesystem>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/registry/RegistryStore.h"

namespace {

using lnstooltest::Lns;

TEST(LnsReg, SetGetKeysAndDeleteWorkOnTheStore) {
  testsupport::TempMachineRoot root;
  auto run = Lns(root.Path(), {"reg", "set", "HKLM", "SOFTWARE\\Vendor\\App", "Language", "1"});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "hklm", "software\\vendor\\app", "", "default text"}).code,
            lnstool::kOk);
  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "HKLM", "SOFTWARE\\Vendor\\Tool", "x", "y"}).code, lnstool::kOk);

  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\VENDOR\\APP", "language"}).out, "1\n");
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\Vendor\\App"}).out, "default text\n");
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKCU", "SOFTWARE\\Vendor\\App", "Language"}).out,
            "");  // other hive

  run = Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\Vendor\\App", "Missing"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out, "");
  run = Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\Nothing", "Missing"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out, "");

  // Values of other types print as their text.
  {
    reg::RegistryStore store(reg::RegistryStore::FileIn(root.Path()));
    ASSERT_EQ(store.SetValue(reg::Hive::LocalMachine, "SOFTWARE\\Vendor\\App", "Scope",
                             reg::RegValue{reg::ValueType::Dword, "3"}),
              reg::Status::Ok);
  }
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\Vendor\\App", "Scope"}).out, "3\n");

  EXPECT_EQ(Lns(root.Path(), {"reg", "keys", "HKLM", "SOFTWARE\\Vendor"}).out, "App\nTool\n");
  run = Lns(root.Path(), {"reg", "keys", "HKLM", "SOFTWARE\\Nothing"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out, "");

  run = Lns(root.Path(), {"reg", "delete", "HKLM", "SOFTWARE\\Vendor"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("subkeys"), std::string::npos) << run.err;
  EXPECT_EQ(Lns(root.Path(), {"reg", "delete", "HKLM", "software\\vendor\\tool"}).code, lnstool::kOk);
  EXPECT_EQ(Lns(root.Path(), {"reg", "keys", "HKLM", "SOFTWARE\\Vendor"}).out, "App\n");
  run = Lns(root.Path(), {"reg", "delete", "HKLM", "SOFTWARE\\Vendor\\Tool"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("no such key"), std::string::npos) << run.err;
}

TEST(LnsReg, BadArgumentsPrintTheUsageLine) {
  testsupport::TempMachineRoot root;
  for (const lnstool::Args& args : {
           lnstool::Args{"reg"},
           lnstool::Args{"reg", "get"},
           lnstool::Args{"reg", "get", "HKLM"},
           lnstool::Args{"reg", "get", "HKXX", "SOFTWARE"},
           lnstool::Args{"reg", "get", "HKLM", "SOFTWARE", "a", "b"},
           lnstool::Args{"reg", "set", "HKLM", "SOFTWARE", "name"},
           lnstool::Args{"reg", "delete", "HKLM", "SOFTWARE", "extra"},
           lnstool::Args{"reg", "keys", "HKCU"},
           lnstool::Args{"reg", "copy", "HKLM", "SOFTWARE"},
           lnstool::Args{"reg", "set", "HKLM", "SOFTWARE\\\\Double", "name", "x"},
           lnstool::Args{"reg", "get", "HKLM", ""},
       }) {
    auto run = Lns(root.Path(), args);
    EXPECT_EQ(run.code, lnstool::kUsage) << args.size();
    EXPECT_NE(run.err.find("usage: lns reg"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Lns(root.Path(), {"reg", "keys", "HKLM", "SOFTWARE"}).out, "");  // the refused set wrote nothing
}

TEST(LnsReg, StoreErrorsPrintTheirReasonAndExitOne) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "HKLM", "SOFTWARE\\Vendor", "v", "kept"}).code, lnstool::kOk);
  const auto file = reg::RegistryStore::FileIn(root.Path());
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  auto run = Lns(root.Path(), {"reg", "set", "HKLM", "SOFTWARE\\Vendor", "v", "lost"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("readonly"), std::string::npos) << run.err;
  run = Lns(root.Path(), {"reg", "delete", "HKLM", "SOFTWARE\\Vendor"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\Vendor", "v"}).out, "kept\n");

  run = Lns(root.Path() / "missing", {"reg", "get", "HKLM", "SOFTWARE\\Vendor", "v"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("lns reg: cannot open the registry store"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "missing"));
}

}  // namespace
