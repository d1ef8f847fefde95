#include "framework/ObjectPath.h"

#include <algorithm>
#include <vector>

#include "formats/ObjectPathParts.h"
#include "platform/lns/LnsError.h"
#include "platform/runtime/ResumeNext.h"
#include "services/HostErrors.h"

namespace qvr {

namespace {

template <class T>
T& Bound(T* object, const char* name) {
  if (!object) RaiseToHost(platform::kErrObjectNotSet, std::string(name) + " is not set");
  return *object;
}

// The steps of the walks: the open network and system, and names counted from the end of the path.
class PathWalk {
 public:
  explicit PathWalk(const FrameworkState& state) : state_(state) {}

  lns::LnsObjectServer& Server() const { return Bound(state_.ObjectServer, "ObjectServer"); }
  // A network that failed to open leaves the one before it current, yet no path may lead into that one:
  // the director has named another.
  const lns::LnsNetwork& Network() const {
    return Bound(state_.NetworkIsOpen && state_.CurrentNetwork ? &*state_.CurrentNetwork : nullptr,
                 "CurrentNetwork");
  }
  const lns::LnsSystem& System() const {
    return Bound(state_.NetworkIsOpen && state_.CurrentSystem ? &*state_.CurrentSystem : nullptr,
                 "CurrentSystem");
  }
  lns::LnsTemplateLibrary Library() const { return System().GetTemplateLibrary(); }

  // 0 the last part, 1 the next-to-last, 2 the third-from-last; "" before the first part.
  std::string FromEnd(int offset) const {
    return ObjectNamePart(state_, static_cast<std::int16_t>(state_.ObjectNamePartCount - offset), true);
  }
  // The top-level subsystem named by the part at `offset`.
  lns::LnsSubsystem Subsystem(int offset) const { return System().GetSubsystems().Item(FromEnd(offset)); }
  // The device named by the part at `offset`, in its subsystem: the one that the parts after the network's
  // part lead to, from the top-level subsystems down; where they lead nowhere (a path without the network's
  // part, or with more parts before the subsystem), the top-level subsystem named by the part before it.
  lns::LnsAppDevice Device(int offset) const {
    const std::optional<lns::LnsSubsystem> nested = NestedSubsystem(offset + 1);
    return (nested ? *nested : Subsystem(offset + 1)).GetAppDevices().Item(FromEnd(offset));
  }

 private:
  // The subsystem that parts 2 to the part at `offset` name one below the other, starting among the
  // top-level subsystems; none when a part names none there, or when no part lies in that range.
  std::optional<lns::LnsSubsystem> NestedSubsystem(int offset) const {
    const int last = state_.ObjectNamePartCount - offset;
    std::optional<lns::LnsSubsystem> reached;
    for (int index = 2; index <= last; ++index) {
      const std::string name = ObjectNamePart(state_, static_cast<std::int16_t>(index), true);
      reached = reached ? reached->GetSubsystems().Find(name) : System().GetSubsystems().Find(name);
      if (!reached) return std::nullopt;
    }
    return reached;
  }

  const FrameworkState& state_;
};

std::optional<LnsObject> Walk(const PathWalk& walk, std::int16_t objectClass) {
  switch (objectClass) {
    case kClassNetwork:
      return walk.Network();
    case kClassNetworks:
      return walk.Server().GetNetworks();
    case kClassSystem:
      return walk.System();
    case kClassSystems:
      return walk.Network().GetSystems();
    case kClassSubsystem:
      return walk.Subsystem(0);
    case kClassSubsystems:
      return walk.Subsystem(0).GetSubsystems();
    case kClassAppDevice:
      return walk.Device(0);
    case kClassAppDevices:
      return walk.Subsystem(0).GetAppDevices();
    case kClassRouter:
      return walk.Subsystem(1).GetRouters().Item(walk.FromEnd(0));
    case kClassRouters:
      return walk.Subsystem(0).GetRouters();
    case kClassChannel:
      return walk.Network().GetChannels().Item(walk.FromEnd(0));
    case kClassChannels:
      return walk.Network().GetChannels();
    case kClassSubnet:
      return walk.System().GetSubnets().Item(walk.FromEnd(0));
    case kClassSubnets:
      return walk.System().GetSubnets();
    case kClassConnections:
      return walk.System().GetConnections();
    case kClassInterface:
      return walk.Device(1).GetInterface();
    case kClassTemplateLibrary:
      return walk.Library();
    case kClassLonMarkObject:
      return walk.Device(1).GetInterface().GetLonMarkObjects().Item(walk.FromEnd(0));
    case kClassLonMarkObjects:
      return walk.Device(0).GetInterface().GetLonMarkObjects();
    case kClassHardwareTemplate:
      return walk.Library().GetHardwareTemplates().Item(walk.FromEnd(0));
    case kClassHardwareTemplates:
      return walk.Library().GetHardwareTemplates();
    case kClassBuildTemplate:
      return walk.Library().GetBuildTemplates().Item(walk.FromEnd(0));
    case kClassBuildTemplates:
      return walk.Library().GetBuildTemplates();
    case kClassDeviceTemplate:
      return walk.Library().GetDeviceTemplates().Item(walk.FromEnd(0));
    case kClassDeviceTemplates:
      return walk.Library().GetDeviceTemplates();
    case kClassProgramTemplate:
      return walk.Library().GetProgramTemplates().Item(walk.FromEnd(0));
    case kClassProgramTemplates:
      return walk.Library().GetProgramTemplates();
    case kClassNetworkServiceDevice:
      return walk.Network().GetNetworkServiceDevices().Item(walk.FromEnd(0));
    case kClassNetworkServiceDevices:
      return walk.Network().GetNetworkServiceDevices();
    case kClassConnectionDescriptionTemplate:
      return walk.Library().GetConnectionDescriptionTemplates().Item(walk.FromEnd(0));
    case kClassConnectionDescriptionTemplates:
      return walk.Library().GetConnectionDescriptionTemplates();
    case kClassError:
      return walk.System().GetErrorObject();
    case kClassRecoveryStatus:
      return walk.System().GetRecoveryStatus();
    default:
      return std::nullopt;
  }
}

}  // namespace

std::int16_t ParseObjectName(FrameworkState& state, const std::string& objectName) {
  // The parts the count holds stay parsed when the path has more; the rest is not read.
  const std::vector<std::string> parts = SplitObjectPath(objectName, INT16_MAX);
  const std::size_t kept = std::min(parts.size(), static_cast<std::size_t>(INT16_MAX));
  if (state.ObjectNameParts.size() < kept) state.ObjectNameParts.resize(kept);
  std::copy_n(parts.begin(), kept, state.ObjectNameParts.begin());
  state.ObjectNamePartCount = static_cast<std::int16_t>(kept);
  if (kept < parts.size())
    RaiseToHost(platform::kErrOverflow, "Overflow: the object path has too many parts");
  return state.ObjectNamePartCount;
}

std::string ObjectNamePart(const FrameworkState& state, std::int16_t index, bool strip) {
  if (index < 1 || index > state.ObjectNamePartCount) return "";
  const std::string& part = state.ObjectNameParts[static_cast<std::size_t>(index - 1)];
  return strip ? StrippedPart(part) : part;
}

std::optional<LnsObject> FindObjectByClass(const FrameworkState& state, std::int16_t objectClass) {
  // Each walk is a chain whose every step needs the one before: a step that fails leaves nothing for the
  // rest, so any error on the way means no object.
  std::optional<LnsObject> found;
  runtime::ErrObject ignored;
  runtime::ResumeNext(ignored, [&] { found = Walk(PathWalk(state), objectClass); });
  // A database that cannot be read hides no missing object: the user learns which file failed, and how.
  if (ignored.Number == lns::kLnsDatabase) RaiseToHost(ignored.Number, ignored.Description);
  return found;
}

}  // namespace qvr
