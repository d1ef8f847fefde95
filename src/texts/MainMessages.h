#pragma once

#include <cstddef>

namespace qvr {

// The entries of MsgMain by name: the table is read by these fixed indexes.
enum MainMessage : std::size_t {
  kMsgTypeFilesMissing = 0,
  kMsgLonMarkModesNotSet = 1,
  kMsgTestingDevice = 3,
  kMsgReadingState = 4,
  kMsgReadingValues = 5,
  kMsgDrfLookUp = 7,
  kMsgDate = 9,
  kMsgObject = 10,
  kMsgVariable = 11,
  kMsgValue = 12,
  kMsgTransmitQuestion = 18,
  kMsgNoDeviceSelected = 19,
  kMsgOneDirector = 20,
  kMsgThereAre = 21,
  kMsgDirectorsUsing = 22,
  kMsgMonitoringOn = 23,
  kMsgMonitoringOff = 24,
  kMsgPrint = 25,
  kMsgLoadParameters = 26,
  kMsgWritingInputs = 28,
  kMsgWritingParameters = 29,
  kMsgNotSynchronisable = 30,
  kMsgNotTransmittedFirst = 31,
  kMsgNotTransmittedLast = 34,
  kMsgRepeating = 35,
  kMsgSearchingDevices = 38,
  kMsgFound = 39,
  kMsgDevices = 40,
  kMsgParameters = 41,
  kMsgRemainingTime = 42,
  kMsgConfigurationParameters = 43,
  kMsgNoParametersToSave = 45,
  kMsgHowToCancel = 47,
};

}  // namespace qvr
