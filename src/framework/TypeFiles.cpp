#include "framework/TypeFiles.h"

#include "framework/CatalogSession.h"
#include "framework/Program.h"
#include "platform/lns/ResourceCatalogStatus.h"

namespace qvr {

namespace {

constexpr const char* kMakersSubfolder = "\\Types\\User\\Calyxtern";
constexpr const char* kMakersProgramIdMask = "9FFF6E0000000000";
constexpr std::int16_t kMakersResourceScope = 3;

// The message that asks a remote client's user to register the plug-in on the server too.
constexpr std::size_t kMsgRegisterOnServer = 7;

long FindTypeFileSet(CatalogSession& session, const TypeFileEntry& entry) {
  std::string fileName;
  long fileSelector = 0;
  return session.FindResourceSet(entry.ProgramIdMask, entry.ResourceScope, lns::kTypeFile, fileName,
                                 fileSelector);
}

// The folder that holds the set's folder: "\Types\User" for "\Types\User\Calyxtern".
std::string ParentFolder(const std::string& subfolder) {
  const std::size_t lastSeparator = subfolder.rfind('\\');
  return lastSeparator == std::string::npos ? std::string() : subfolder.substr(0, lastSeparator);
}

bool MakersSetListed(Program& program) {
  CatalogSession session;
  if (session.Open(program.Err, CatalogSession::kToRead) != lns::kResourceOk) return false;
  if (FindTypeFileSet(session, program.framework.TypeFileTable[0]) != lns::kResourceOk) return false;
  return session.Close() == lns::kResourceOk;
}

}  // namespace

void InitTypeFileTable(Program& program) {
  program.framework.TypeFileTable[0] = {kMakersSubfolder, kMakersProgramIdMask, kMakersResourceScope};
}

void InstallTypeFiles(ErrObject& err) {
  CatalogSession session;
  if (session.Open(err, CatalogSession::kToChange) != lns::kResourceOk) return;
  // Its status is not examined: a folder that cannot be added just gives the refresh nothing to find.
  session.AddFolder(session.LonWorksFolder() + kMakersSubfolder);
  if (session.Refresh() != lns::kResourceOk) return;
  session.Close();
}

void InstallTypeFiles(Program& program) {
  InstallTypeFiles(program.Err);
}

bool FindTypeFilesInCatalog(Program& program) {
  CatalogSession session;
  if (session.Open(program.Err, CatalogSession::kToChange) != lns::kResourceOk) return false;
  InitTypeFileTable(program);
  const TypeFileEntry& makersSet = program.framework.TypeFileTable[0];
  const long status = FindTypeFileSet(session, makersSet);
  if (status == lns::kResourceNotFound) {
    if (session.AddFolder(ParentFolder(makersSet.Subfolder)) != lns::kResourceOk) return false;
    if (session.Refresh() != lns::kResourceOk) return false;
  } else if (status != lns::kResourceOk) {
    return false;
  }
  if (session.Close() != lns::kResourceOk) return false;
  if (program.framework.IsRemoteClient) {
    program.Ui().MsgBox(program.texts.MsgFramework[kMsgRegisterOnServer], ui::vbExclamation + ui::vbOKOnly);
  }
  return true;
}

bool CheckTypeFilesInstalled(Program& program) {
  bool& checked = program.framework.TypeFilesChecked;
  if (!checked) checked = MakersSetListed(program);
  return checked;
}

}  // namespace qvr
