#include "platform/lns/resources/ResourceCatalog.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <future>

#include "TempMachineRoot.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/DeviceInterfaceFile.h"
#include "platform/lns/resources/ProfileTemplates.h"
#include "platform/lns/resources/ResourceCatalogFile.h"
#include "platform/lns/resources/ResourceFile.h"
#include "platform/lns/resources/ShippedResources.h"

namespace lns {
namespace {

const char* const kMakerMask = "9FFF6E0000000000";
const char* const kTypesFolder = "C:\\LonWorks\\Types";

class ResourceCatalogTest : public ::testing::Test {
 protected:
  ResourceCatalogTest() { InstallShippedResources(platform::DataDir(), lonWorks_); }

  // A catalogue search as the type-file check makes it; gives the status and the file's name.
  long FindMakerTypes(LnsResourceCatalog& catalog, long handle, std::string* fileName = nullptr) {
    std::string name;
    std::string programIdTemplate;
    long selector = -1;
    const long status =
        catalog.FindResourceSet(handle, kMakerMask, 3, kTypeFile, 0, name, selector, programIdTemplate);
    if (fileName) *fileName = name;
    return status;
  }

  testsupport::TempMachineRoot root_;
  std::filesystem::path lonWorks_ = root_.Path() / "LonWorks";
};

TEST_F(ResourceCatalogTest, InstallsTheShippedFilesWhereTheSystemLooksForThem) {
  for (const std::string model : {"qvrl105", "qvrl106", "qvrl206", "qvrl207"}) {
    const DeviceInterface device =
        ReadDeviceInterface(lonWorks_ / "Import" / "Calyxtern" / model / (model + ".xif"));
    EXPECT_EQ(device.model, model);
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(lonWorks_ / "Types" / "User" / "Calyxtern" / "Calyxtern.typ"));
  EXPECT_TRUE(std::filesystem::is_regular_file(lonWorks_ / "Types" / "User" / "Calyxtern" / "Calyxtern.fpt"));
  EXPECT_FALSE(std::filesystem::exists(lonWorks_ / "Types" / kCatalogFileName));
  // Installing again replaces the files and leaves no temporary files behind.
  std::ofstream(lonWorks_ / "Import" / "Calyxtern" / "qvrl105" / "qvrl105.xif") << "broken\n";
  InstallShippedResources(platform::DataDir(), lonWorks_);
  EXPECT_EQ(ReadDeviceInterface(lonWorks_ / "Import" / "Calyxtern" / "qvrl105" / "qvrl105.xif").model,
            "qvrl105");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(lonWorks_)) {
    EXPECT_NE(entry.path().extension(), ".new") << entry.path();
  }
}

TEST_F(ResourceCatalogTest, FindsTheMakersSetOnlyAfterItsFolderIsAddedAndRefreshed) {
  LnsResourceCatalog catalog(root_.Path());
  long handle = 0;
  ASSERT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceOk);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceNotFound);
  EXPECT_EQ(catalog.AddFolder(handle, "C:\\LonWorks\\Types\\User\\Calyxtern"), kResourceOk);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceNotFound);
  EXPECT_EQ(catalog.Refresh(handle), kResourceOk);
  std::string fileName;
  EXPECT_EQ(FindMakerTypes(catalog, handle, &fileName), kResourceOk);
  EXPECT_EQ(std::filesystem::path(fileName), lonWorks_ / "Types" / "User" / "Calyxtern" / "Calyxtern.typ");
  EXPECT_EQ(catalog.Close(handle), kResourceOk);
  EXPECT_EQ(catalog.Close(handle), kResourceBadHandle);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceBadHandle);

  // A later run opens the catalogue read-only and finds the set without refreshing; it may not change it.
  LnsResourceCatalog later(root_.Path());
  long readOnly = 0;
  ASSERT_EQ(later.Open(kTypesFolder, 1, readOnly), kResourceOk);
  EXPECT_EQ(FindMakerTypes(later, readOnly), kResourceOk);
  EXPECT_EQ(later.AddFolder(readOnly, "C:\\LonWorks\\Types"), kResourceReadOnly);
  EXPECT_EQ(later.Refresh(readOnly), kResourceReadOnly);
  EXPECT_EQ(later.Close(readOnly), kResourceOk);
}

TEST_F(ResourceCatalogTest, AFolderGivenWithoutTheLonWorksFolderLiesBelowIt) {
  LnsResourceCatalog catalog(root_.Path());
  long handle = 0;
  ASSERT_EQ(catalog.Open((lonWorks_ / "Types").string(), 0, handle), kResourceOk);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceNotFound);
  EXPECT_EQ(catalog.AddFolder(handle, "\\Types\\User"), kResourceOk);
  EXPECT_EQ(catalog.AddFolder(handle, "\\Types\\User"), kResourceOk);  // listed once
  EXPECT_EQ(catalog.Refresh(handle), kResourceOk);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceOk);
  EXPECT_EQ(ReadCatalogFile(lonWorks_ / "Types").folders,
            (std::vector<std::filesystem::path>{lonWorks_ / "Types" / "User"}));

  // Removed files drop out at the next refresh.
  std::filesystem::remove_all(lonWorks_ / "Types" / "User" / "Calyxtern");
  EXPECT_EQ(catalog.Refresh(handle), kResourceOk);
  EXPECT_EQ(FindMakerTypes(catalog, handle), kResourceNotFound);
}

TEST_F(ResourceCatalogTest, TheProfileTemplatesOfEveryModelsBlocksAreFoundInScopeThree) {
  LnsResourceCatalog setup(root_.Path());
  long setupHandle = 0;
  ASSERT_EQ(setup.Open(kTypesFolder, 0, setupHandle), kResourceOk);
  ASSERT_EQ(setup.AddFolder(setupHandle, "C:\\LonWorks\\Types\\User\\Calyxtern"), kResourceOk);
  ASSERT_EQ(setup.Refresh(setupHandle), kResourceOk);
  ASSERT_EQ(setup.Close(setupHandle), kResourceOk);

  for (const std::string model : {"qvrl105", "qvrl106", "qvrl206", "qvrl207"}) {
    SCOPED_TRACE(model);
    const DeviceInterface device =
        ReadDeviceInterface(lonWorks_ / "Import" / "Calyxtern" / model / (model + ".xif"));
    LnsResourceCatalog catalog(root_.Path());
    LnsResourceFile files;
    LnsProfileTemplates templates(files);
    long handle = 0;
    ASSERT_EQ(catalog.Open(kTypesFolder, 1, handle), kResourceOk);
    std::string fileName;
    std::string programIdTemplate;
    long selector = 0;
    for (long scope = 6; scope > 3; --scope) {
      EXPECT_EQ(catalog.FindResourceSet(handle, device.programId, scope, kProfileFile, 0, fileName, selector,
                                        programIdTemplate),
                kResourceNotFound);
    }
    ASSERT_EQ(catalog.FindResourceSet(handle, device.programId, 3, kProfileFile, 0, fileName, selector,
                                      programIdTemplate),
              kResourceOk);
    EXPECT_EQ(programIdTemplate, kMakerMask);
    long fileHandle = 0;
    ASSERT_EQ(files.Open(fileName, kProfileFile, selector, 0, fileHandle), kResourceOk);
    for (const BlockDefinition& block : device.blocks) {
      ProfileTemplate found;
      EXPECT_EQ(templates.Find(fileHandle, block.profile, found), kResourceOk) << block.name;
      EXPECT_EQ(found.number, block.profile);
      EXPECT_EQ(found.scope, 3);
    }
    ProfileTemplate none;
    EXPECT_EQ(templates.Find(fileHandle, 9999, none), kResourceNotFound);
    EXPECT_EQ(files.Close(fileHandle), kResourceOk);
    EXPECT_EQ(templates.Find(fileHandle, 0, none), kResourceBadHandle);
    EXPECT_EQ(catalog.Close(handle), kResourceOk);
  }
}

TEST_F(ResourceCatalogTest, TheMakersTypeFileDefinesEveryMakersPropertyOfTheModels) {
  const ResourceFileContents types =
      ReadResourceFile(lonWorks_ / "Types" / "User" / "Calyxtern" / "Calyxtern.typ");
  EXPECT_EQ(types.kind, kTypeFile);
  EXPECT_EQ(types.scope, 3);
  EXPECT_EQ(types.programIdTemplate, kMakerMask);
  EXPECT_EQ(types.valueTypes, std::vector<std::string>{"UNVT_str_hex4"});
  for (const std::string model : {"qvrl105", "qvrl206"}) {
    for (const CpDefinition& cp :
         ReadDeviceInterface(platform::DataDir() / "interfaces" / (model + ".xif")).configProperties) {
      if (cp.scope != 3) continue;
      const auto defined =
          std::find_if(types.propertyTypes.begin(), types.propertyTypes.end(),
                       [&](const ResourcePropertyType& type) { return type.index == cp.typeIndex; });
      ASSERT_NE(defined, types.propertyTypes.end()) << cp.typeName;
      EXPECT_EQ(defined->name, cp.typeName);
      EXPECT_EQ(defined->valueType, cp.valueType);
    }
  }
}

// Folders whose names begin or end with blanks, written and read back: the same folders, and the sets
// below them are found after the catalogue is opened anew.
TEST_F(ResourceCatalogTest, ACatalogueReadsBackAsWrittenWhateverItsFoldersAreNamed) {
  const std::filesystem::path types = lonWorks_ / "Types";
  std::ofstream(types / kCatalogFileName) << "folder ./ R\nfolder Types/User/ \n";
  const CatalogContents read = ReadCatalogFile(types);
  ASSERT_EQ(read.folders.size(), 2u);
  EXPECT_EQ(read.folders[0], lonWorks_ / " R");
  EXPECT_EQ(read.folders[1], lonWorks_ / "Types" / "User");
  WriteCatalogFile(types, read);
  EXPECT_EQ(ReadCatalogFile(types).folders, read.folders);

  for (const std::string name : {" lead", "trail\t", "\tboth "}) {
    std::filesystem::create_directories(lonWorks_ / name);
    std::filesystem::copy_file(lonWorks_ / "Types" / "User" / "Calyxtern" / "Calyxtern.typ",
                               lonWorks_ / name / "Calyxtern.typ");
  }
  LnsResourceCatalog catalog(root_.Path());
  long handle = 0;
  ASSERT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceOk);
  for (const char* folder : {"\\ lead", "\\trail\t", "\\\tboth "})
    ASSERT_EQ(catalog.AddFolder(handle, folder), kResourceOk) << folder;
  ASSERT_EQ(catalog.Refresh(handle), kResourceOk);
  const CatalogContents written = ReadCatalogFile(types);
  WriteCatalogFile(types, written);
  const CatalogContents again = ReadCatalogFile(types);
  EXPECT_EQ(again.folders, written.folders);
  ASSERT_EQ(again.entries.size(), written.entries.size());
  for (std::size_t i = 0; i < again.entries.size(); ++i)
    EXPECT_EQ(again.entries[i].file, written.entries[i].file);
  EXPECT_EQ(written.folders.back(), lonWorks_ / "\tboth ");
  std::string found;
  LnsResourceCatalog reopened(root_.Path());
  ASSERT_EQ(reopened.Open(kTypesFolder, 1, handle), kResourceOk);
  ASSERT_EQ(FindMakerTypes(reopened, handle, &found), kResourceOk);
  EXPECT_TRUE(std::filesystem::exists(found)) << found;

  // A stored relative path may not climb out of the LonWorks folder.
  std::ofstream(types / kCatalogFileName) << "folder Types/../../elsewhere\n";
  EXPECT_EQ(reopened.Open(kTypesFolder, 1, handle), kResourceBadFile);
}

TEST_F(ResourceCatalogTest, RefusesWhatItCannotTakeWithItsStatusNumbers) {
  LnsResourceCatalog catalog(root_.Path());
  long handle = 0;
  EXPECT_EQ(catalog.Open("C:\\LonWorks\\NoTypes", 0, handle), kResourceCannotOpen);
  EXPECT_EQ(catalog.Open(kTypesFolder, 2, handle), kResourceBadArgument);
  EXPECT_EQ(catalog.AddFolder(42, "C:\\LonWorks\\Types"), kResourceBadHandle);
  EXPECT_EQ(catalog.Refresh(42), kResourceBadHandle);
  ASSERT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceOk);
  EXPECT_EQ(catalog.AddFolder(handle, "\\Types\\Nowhere"), kResourceCannotOpen);
  ASSERT_EQ(catalog.AddFolder(handle, "\\Types\\User"), kResourceOk);
  ASSERT_EQ(catalog.Refresh(handle), kResourceOk);
  std::string name;
  std::string programIdTemplate;
  long selector = 0;
  EXPECT_EQ(
      catalog.FindResourceSet(handle, "9FFF6E0A5A06040b", 3, kTypeFile, 0, name, selector, programIdTemplate),
      kResourceOk);
  EXPECT_EQ(
      catalog.FindResourceSet(handle, "9FFF6F0A5A06040B", 3, kTypeFile, 0, name, selector, programIdTemplate),
      kResourceNotFound);  // another maker
  EXPECT_EQ(
      catalog.FindResourceSet(handle, "9FFF6E0A5A06040", 3, kTypeFile, 0, name, selector, programIdTemplate),
      kResourceBadArgument);
  EXPECT_EQ(
      catalog.FindResourceSet(handle, "9FFF6E0A5A06040G", 3, kTypeFile, 0, name, selector, programIdTemplate),
      kResourceBadArgument);
  EXPECT_EQ(catalog.FindResourceSet(handle, kMakerMask, 7, kTypeFile, 0, name, selector, programIdTemplate),
            kResourceBadArgument);
  EXPECT_EQ(catalog.FindResourceSet(handle, kMakerMask, 3, 5, 0, name, selector, programIdTemplate),
            kResourceBadArgument);
  EXPECT_EQ(catalog.FindResourceSet(handle, kMakerMask, 3, kTypeFile, 1, name, selector, programIdTemplate),
            kResourceBadArgument);
  ASSERT_EQ(catalog.FindResourceSet(handle, kMakerMask, 3, kTypeFile, 0, name, selector, programIdTemplate),
            kResourceOk);

  LnsResourceFile files;
  long fileHandle = 0;
  EXPECT_EQ(files.Open(name, kProfileFile, selector, 0, fileHandle), kResourceBadArgument);  // a type file
  EXPECT_EQ(files.Open(name, kTypeFile, 4, 0, fileHandle), kResourceBadArgument);            // another scope
  EXPECT_EQ(files.Open(name, kTypeFile, selector, 1, fileHandle), kResourceBadArgument);
  EXPECT_EQ(files.Open(name + ".gone", kTypeFile, selector, 0, fileHandle), kResourceCannotOpen);
  ASSERT_EQ(files.Open(name, kTypeFile, selector, 0, fileHandle), kResourceOk);
  ProfileTemplate none;
  EXPECT_EQ(LnsProfileTemplates(files).Find(fileHandle, 0, none), kResourceBadArgument);
  EXPECT_EQ(files.Close(fileHandle), kResourceOk);
  EXPECT_EQ(files.Close(fileHandle), kResourceBadHandle);
  // A reader reads each file once, so that one device's look-up parses the maker's file once.
  std::filesystem::rename(name, name + ".moved");
  EXPECT_EQ(files.Open(name, kTypeFile, selector, 0, fileHandle), kResourceOk);
  EXPECT_NE(files.Contents(fileHandle), nullptr);
  EXPECT_EQ(LnsResourceFile().Open(name, kTypeFile, selector, 0, fileHandle), kResourceCannotOpen);
  std::filesystem::rename(name + ".moved", name);

  // A malformed resource file is passed over by the refresh and refused by the reader.
  const std::filesystem::path broken = lonWorks_ / "Types" / "User" / "Other" / "Other.typ";
  std::filesystem::create_directories(broken.parent_path());
  std::ofstream(broken) << "resource-file types\nprogram-id-template 9FFF6F0000000000\nscope nine\n";
  EXPECT_EQ(catalog.Refresh(handle), kResourceOk);
  EXPECT_EQ(
      catalog.FindResourceSet(handle, "9FFF6F0000000000", 3, kTypeFile, 0, name, selector, programIdTemplate),
      kResourceNotFound);
  EXPECT_EQ(files.Open(broken.string(), kTypeFile, 3, 0, fileHandle), kResourceBadFile);
  try {
    ReadResourceFile(broken);
    ADD_FAILURE() << "a malformed resource file was read";
  } catch (const LnsError& error) {
    EXPECT_EQ(error.Number(), kLnsBadFile);
    EXPECT_NE(error.Description().find("Other.typ, line 3: scope \"nine\""), std::string::npos)
        << error.Description();
  }
  EXPECT_EQ(catalog.Close(handle), kResourceOk);

  // A malformed catalogue file cannot be opened.
  std::ofstream(lonWorks_ / "Types" / kCatalogFileName) << "shelf 3\n";
  EXPECT_EQ(catalog.Open(kTypesFolder, 1, handle), kResourceBadFile);
}

// What a reader of `fifo` gives within 5 s; a reader that still waits then is let go by a writer that
// closes at once, and gives what it read from the empty FIFO.
long WithinFiveSeconds(const std::filesystem::path& fifo, const std::function<long()>& read) {
  std::future<long> status = std::async(std::launch::async, read);
  if (status.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << "the read of " << fifo << " waits for a writer";
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
  }
  return status.get();
}

// A catalogue or a resource file that is no regular file, or far too large, cannot be opened: a FIFO
// held every device open for ever, a link to /dev/zero or a huge sparse file filled the memory, and a link
// that leads to itself raised the raw "filesystem error".
TEST_F(ResourceCatalogTest, RefusesFilesThatAreNoRegularFilesOrFarTooLarge) {
  const std::filesystem::path catalogFile = lonWorks_ / "Types" / kCatalogFileName;
  ASSERT_EQ(mkfifo(catalogFile.c_str(), 0600), 0);
  LnsResourceCatalog catalog(root_.Path());
  long handle = 0;
  ASSERT_EQ(WithinFiveSeconds(catalogFile, [&] { return catalog.Open(kTypesFolder, 0, handle); }),
            kResourceCannotOpen);
  const std::filesystem::path typeFile = lonWorks_ / "Types" / "User" / "fifo.typ";
  ASSERT_EQ(mkfifo(typeFile.c_str(), 0600), 0);
  LnsResourceFile files;
  ASSERT_EQ(
      WithinFiveSeconds(typeFile, [&] { return files.Open(typeFile.string(), kTypeFile, 3, 0, handle); }),
      kResourceCannotOpen);

  std::filesystem::remove(catalogFile);
  std::filesystem::create_symlink("/dev/zero", catalogFile);
  EXPECT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceCannotOpen);
  std::filesystem::remove(catalogFile);
  std::filesystem::create_symlink(catalogFile.filename(), catalogFile);
  EXPECT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceCannotOpen);
  std::filesystem::remove(catalogFile);
  std::ofstream(catalogFile) << "folder Types\n";
  std::filesystem::resize_file(catalogFile, 17 << 20);
  EXPECT_EQ(catalog.Open(kTypesFolder, 0, handle), kResourceCannotOpen);
}

}  // namespace
}  // namespace lns
