#include "devicemodel/ValueDecoding.h"

#include "devicemodel/InputDecoding.h"
#include "devicemodel/ModelAdaptation.h"
#include "devicemodel/PropertyDecoding.h"
#include "devicemodel/SetPointDecoding.h"

namespace qvr {

void DecodeValues(Program& program, DeviceFamily family) {
  const bool large = family == DeviceFamily::QvrL2;
  if (large) {
    DecodeSetPoints(program);
    DecodeValveCount(program);
  }
  DecodeValueStatePairs(program);
  DecodePowerUpStates(program);
  DecodeSensorLed(program);
  DecodeLightControllerOptions(program, large ? StartBitRule::ZeroOrElse : StartBitRule::ZeroOrOne);
  DecodeLightRatios(program);
  if (large) DecodeHvacMode(program);
  DecodeDigitalInputConfig(program);
  if (large) {
    FillSwitchLists(program);
    DecodeSpaceComfortInputs(program);
  }
  DecodeSharedInputs(program);
  ApplyOnlineState(program, family);
}

}  // namespace qvr
