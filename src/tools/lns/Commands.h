#pragma once

#include "tools/lns/LnsTool.h"

namespace lnstool {

// One function per `lns` command; `args` are the words after the command's name.
int RunInit(ToolContext& context, const Args& args);
int RunReg(ToolContext& context, const Args& args);
int RunNetworks(ToolContext& context, const Args& args);
int RunNetwork(ToolContext& context, const Args& args);
int RunDevices(ToolContext& context, const Args& args);
int RunDevice(ToolContext& context, const Args& args);
int RunNv(ToolContext& context, const Args& args);
int RunCp(ToolContext& context, const Args& args);
int RunSend(ToolContext& context, const Args& args);
int RunTemplates(ToolContext& context, const Args& args);
int RunApps(ToolContext& context, const Args& args);
int RunChannel(ToolContext& context, const Args& args);
int RunBus(ToolContext& context, const Args& args);

}  // namespace lnstool
