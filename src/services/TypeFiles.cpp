#include "services/TypeFiles.h"

#include <optional>
#include <string>
#include <system_error>

#include "platform/Error.h"
#include "platform/lns/resources/ResourceCatalogStatus.h"
#include "program/Program.h"
#include "services/CatalogSession.h"
#include "texts/FrameworkMessages.h"

namespace qvr {

namespace {

constexpr const char* kMakersSubfolder = "\\Types\\User\\Calyxtern";
constexpr const char* kMakersProgramIdMask = "9FFF6E0000000000";
constexpr std::int16_t kMakersResourceScope = 3;

// A catalogue or registry call of the two look-ups that raises shows the failure box, its error's
// description with Abort, Retry and Ignore: Retry makes the call again, Ignore goes on as if it had
// succeeded, Abort gives nothing, which ends the look-up with false. A call that returns a failing status
// raises nothing: its status is given back as it is.
template <class Call>
std::optional<long> WithFailureBox(Program& program, Call&& call) {
  while (true) {
    std::string description;
    try {
      return call();
    } catch (const platform::RaisedError& error) {
      description = error.Description();
    } catch (const std::system_error& error) {  // the file system under the catalogue
      description = error.what();
    }
    const int answer = program.Ui().MsgBox(description, ui::vbAbortRetryIgnore + ui::vbCritical);
    if (answer == ui::vbAbort) return std::nullopt;
    if (answer == ui::vbIgnore) return lns::kResourceOk;
  }
}

std::optional<long> FindTypeFileSet(Program& program, CatalogSession& session, const TypeFileEntry& entry) {
  return WithFailureBox(program, [&] {
    std::string fileName;
    long fileSelector = 0;
    return session.FindResourceSet(entry.ProgramIdMask, entry.ResourceScope, lns::kTypeFile, fileName,
                                   fileSelector);
  });
}

std::optional<long> OpenCatalog(Program& program, CatalogSession& session, long mode) {
  return WithFailureBox(program, [&] { return session.Open(program.Err, mode); });
}

std::optional<long> CloseCatalog(Program& program, CatalogSession& session) {
  return WithFailureBox(program, [&] { return session.Close(); });
}

// The folder that holds the set's folder: "\Types\User" for "\Types\User\Calyxtern".
std::string ParentFolder(const std::string& subfolder) {
  const std::size_t lastSeparator = subfolder.rfind('\\');
  return lastSeparator == std::string::npos ? std::string() : subfolder.substr(0, lastSeparator);
}

// Every failing step ends the look-ups below with false; the session closes what is still open.
bool MakersSetListed(Program& program) {
  CatalogSession session(program.Registry());
  if (OpenCatalog(program, session, CatalogSession::kToRead) != lns::kResourceOk) return false;
  if (FindTypeFileSet(program, session, program.framework.TypeFileTable[0]) != lns::kResourceOk) return false;
  return CloseCatalog(program, session) == lns::kResourceOk;
}

}  // namespace

void InitTypeFileTable(Program& program) {
  program.framework.TypeFileTable[0] = {kMakersSubfolder, kMakersProgramIdMask, kMakersResourceScope};
}

void InstallTypeFiles(runtime::ErrObject& err, reg::MachineRegistry& registry) {
  CatalogSession session(registry);
  if (session.Open(err, CatalogSession::kToChange) != lns::kResourceOk) return;
  // Its status is not examined: a folder that cannot be added just gives the refresh nothing to find.
  session.AddFolder(session.LonWorksFolder() + kMakersSubfolder);
  if (session.Refresh() != lns::kResourceOk) return;
  session.Close();
}

void InstallTypeFiles(Program& program) {
  InstallTypeFiles(program.Err, program.Registry());
}

bool FindTypeFilesInCatalog(Program& program) {
  CatalogSession session(program.Registry());
  if (OpenCatalog(program, session, CatalogSession::kToChange) != lns::kResourceOk) return false;
  InitTypeFileTable(program);
  const TypeFileEntry& makersSet = program.framework.TypeFileTable[0];
  const std::optional<long> status = FindTypeFileSet(program, session, makersSet);
  if (status == lns::kResourceNotFound) {
    const std::string parent = ParentFolder(makersSet.Subfolder);
    if (WithFailureBox(program, [&] { return session.AddFolder(parent); }) != lns::kResourceOk) return false;
    if (WithFailureBox(program, [&] { return session.Refresh(); }) != lns::kResourceOk) return false;
    // A folder added is no set found: the files may be gone from it too.
    if (FindTypeFileSet(program, session, makersSet) != lns::kResourceOk) return false;
  } else if (status != lns::kResourceOk) {
    return false;
  }
  if (CloseCatalog(program, session) != lns::kResourceOk) return false;
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
