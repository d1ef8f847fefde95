// The maker's type files in the LonWorks resource catalogue: installing them on the machine, finding (and
// if need be adding) them when registering in a network, and the check before a device is opened.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ProgramFixture.h"
#include "platform/lns/resources/ResourceCatalog.h"
#include "platform/registry/MachineSetup.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/TypeFiles.h"
#include "texts/TextTables.h"

namespace framework_test {
namespace {

namespace fs = std::filesystem;

class TypeFilesTest : public ::testing::Test {
 protected:
  TypeFilesTest() {
    qvr::FillTextTables(qvr::Language::English, program().texts);
    qvr::InitTypeFileTable(program());
  }

  qvr::Program& program() { return fixture_.program(); }
  fs::path LonWorks() const { return reg::LonWorksFolderIn(fixture_.root()); }
  fs::path CatalogFile() const { return LonWorks() / "Types" / lns::kCatalogFileName; }

  // Whether the catalogue lists a types file of the maker's set, asked of the catalogue itself.
  bool MakersSetListed() const {
    lns::LnsResourceCatalog catalog(fixture_.root());
    long handle = 0;
    if (catalog.Open((LonWorks() / "Types").string(), 1, handle) != lns::kResourceOk) return false;
    std::string file, programIdTemplate;
    long selector = 0;
    const long status = catalog.FindResourceSet(handle, "9FFF6E0A5A060409", 3, lns::kTypeFile, 0, file,
                                                selector, programIdTemplate);
    catalog.Close(handle);
    return status == lns::kResourceOk;
  }

  void SetLonWorksPath(const std::string& path) {
    runtime::ErrObject err;
    qvr::CRegistry(err, program().Registry())
        .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue), path);
  }

  const std::vector<ui::HeadlessMessageBoxes::Record>& Boxes() { return fixture_.services().Boxes().Shown(); }

  testsupport::ProgramFixture fixture_;
};

TEST_F(TypeFilesTest, TheCheckFailsUntilTheTypeFilesAreInstalledAndThenRemembersItsSuccess) {
  // The files lie in their folder, but the catalogue does not list it yet.
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_FALSE(program().framework.TypeFilesChecked);
  EXPECT_FALSE(MakersSetListed());  // the check adds nothing

  qvr::InstallTypeFiles(program());
  EXPECT_TRUE(MakersSetListed());
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_TRUE(program().framework.TypeFilesChecked);

  // Later checks do not ask the catalogue again.
  fs::remove(CatalogFile());
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program()));

  // A failure is not remembered: once the flag is gone the catalogue is asked again.
  program().framework.TypeFilesChecked = false;
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program()));
  qvr::InstallTypeFiles(program());
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TypeFilesTest, WithoutALonWorksFolderNothingIsFoundOrInstalled) {
  SetLonWorksPath("");
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_FALSE(qvr::FindTypeFilesInCatalog(program()));
  qvr::InstallTypeFiles(program());
  EXPECT_FALSE(fs::exists(CatalogFile()));

  SetLonWorksPath((LonWorks() / "Gone").string());
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_FALSE(qvr::FindTypeFilesInCatalog(program()));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TypeFilesTest, InstallingRefreshesEvenWhenTheMakersFolderIsMissing) {
  // A folder listed before, whose file the catalogue has not seen yet.
  const fs::path other = LonWorks() / "Types" / "User" / "Other";
  fs::create_directories(other);
  {
    lns::LnsResourceCatalog catalog(fixture_.root());
    long handle = 0;
    ASSERT_EQ(catalog.Open((LonWorks() / "Types").string(), 0, handle), lns::kResourceOk);
    ASSERT_EQ(catalog.AddFolder(handle, other.string()), lns::kResourceOk);
    catalog.Close(handle);
  }
  fs::copy_file(LonWorks() / "Types" / "User" / "Calyxtern" / "Calyxtern.typ", other / "Calyxtern.typ");
  fs::remove_all(LonWorks() / "Types" / "User" / "Calyxtern");

  qvr::InstallTypeFiles(program());
  EXPECT_TRUE(MakersSetListed());
}

TEST_F(TypeFilesTest, FindingAddsTheParentOfTheMakersFolderWhenTheSetIsMissing) {
  EXPECT_TRUE(qvr::FindTypeFilesInCatalog(program()));
  EXPECT_TRUE(MakersSetListed());
  std::ifstream catalog(CatalogFile());
  const std::string text((std::istreambuf_iterator<char>(catalog)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("folder Types/User\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("folder Types/User/Calyxtern"), std::string::npos) << text;

  // Found the second time: nothing more is added.
  EXPECT_TRUE(qvr::FindTypeFilesInCatalog(program()));
  std::ifstream again(CatalogFile());
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), text);
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_TRUE(Boxes().empty());  // a local Object Server: no word about the server
}

TEST_F(TypeFilesTest, FindingFailsWhenTheParentFolderCannotBeAdded) {
  fs::remove_all(LonWorks() / "Types" / "User");
  EXPECT_FALSE(qvr::FindTypeFilesInCatalog(program()));
  EXPECT_FALSE(MakersSetListed());
}

TEST_F(TypeFilesTest, ARemoteClientIsAskedToRegisterOnTheServerToo) {
  program().framework.IsRemoteClient = true;
  fixture_.services().Boxes().QueueAnswer(ui::vbOK);
  EXPECT_TRUE(qvr::FindTypeFilesInCatalog(program()));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].request.prompt, program().texts.MsgFramework[7]);
  EXPECT_NE(Boxes()[0].request.prompt.find("register the same plug-in on the server"), std::string::npos);
  EXPECT_EQ(Boxes()[0].request.style, ui::vbExclamation + ui::vbOKOnly);
}

// A catalogue file that links to itself is one that cannot be opened, as a FIFO is: the look-ups end with
// false, and no box shows a raw "filesystem error" (the check raised one, which the failure box showed).
// Once the link is gone, the files are installed and found.
TEST_F(TypeFilesTest, ACatalogueThatLinksToItselfCannotBeOpenedAndRaisesNothing) {
  fs::create_directories(CatalogFile().parent_path());
  fs::create_symlink(CatalogFile().filename(), CatalogFile());
  EXPECT_FALSE(qvr::FindTypeFilesInCatalog(program()));
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_TRUE(Boxes().empty()) << Boxes()[0].request.prompt;

  fs::remove(CatalogFile());
  qvr::InstallTypeFiles(program());
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program()));
  EXPECT_TRUE(qvr::FindTypeFilesInCatalog(program()));
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace framework_test
