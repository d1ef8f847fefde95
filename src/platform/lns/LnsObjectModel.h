#pragma once

// The whole object model of the LNS substitute, for clients that walk it.
#include "platform/lns/DeviceStates.h"
#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsConfigProperty.h"
#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsLonMarkObject.h"
#include "platform/lns/LnsNamedObject.h"
#include "platform/lns/LnsNetwork.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/LnsObjectServer.h"
#include "platform/lns/LnsSubsystem.h"
#include "platform/lns/LnsSystem.h"
#include "platform/lns/LnsSystemStatus.h"
#include "platform/lns/LnsTemplateLibrary.h"
