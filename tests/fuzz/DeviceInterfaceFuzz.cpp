// libFuzzer target for device interface files: any bytes are either refused with kLnsBadFile or give an
// interface with a model and a program ID whose initial and delivered values are in the one spelling that
// their types show them in.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/DeviceInterfaceFile.h"
#include "platform/lns/types/LonTypes.h"

namespace {

bool InShownSpelling(const std::string& valueType, const std::string& text) {
  const lns::LonType& type = lns::FindLonType(valueType);
  return type.Format(type.Parse(text, "."), ".") == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lns::DeviceInterface device;
  try {
    device = lns::ReadDeviceInterface(fuzz::WriteInput(fuzz::Scratch() / "device.xif", data, size));
  } catch (const lns::LnsError& error) {
    fuzz::Require(error.Number() == lns::kLnsBadFile);
    return 0;
  }
  fuzz::Require(!device.model.empty() && device.programId.size() == 16);
  for (const lns::NvDefinition& nv : device.networkVariables)
    fuzz::Require(InShownSpelling(nv.type, nv.initial));
  for (const lns::CpDefinition& cp : device.configProperties) {
    fuzz::Require(InShownSpelling(cp.valueType, cp.delivered));
  }
  return 0;
}
