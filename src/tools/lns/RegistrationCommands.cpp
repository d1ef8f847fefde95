// `lns templates` and `lns apps`: what registering a plug-in in a network leaves there, its device templates
// and the component applications that tie commands to objects.
#include <string>

#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"

namespace lnstool {

namespace {

// One line per entry: place, name, ProgID, command, object class, default flag, version, manufacturer ID,
// text (tab-separated).
void PrintApps(ToolContext& context, const std::string& place, const lns::LnsComponentApps& apps) {
  for (long position = 1; position <= apps.Count(); ++position) {
    const lns::LnsComponentApp app = apps.Item(position);
    context.out << place << '\t' << app.GetName() << '\t' << app.GetProgId() << '\t' << app.GetCommandId()
                << '\t' << app.GetObjectClass() << '\t' << (app.GetDefault() ? "default" : "-") << '\t'
                << app.GetVersion() << '\t' << app.GetManufacturerId() << '\t' << app.GetText() << '\n';
  }
}

// A template's own entries, then those of its LonMark objects (a template without an interface has none).
void PrintTemplateApps(ToolContext& context, const lns::LnsDeviceTemplate& deviceTemplate) {
  const std::string place = "template " + deviceTemplate.GetName();
  PrintApps(context, place, deviceTemplate.GetComponentApps());
  if (deviceTemplate.GetProgramId().empty()) return;
  const lns::LnsLonMarkObjects objects = deviceTemplate.GetInterface().GetLonMarkObjects();
  for (long position = 1; position <= objects.Count(); ++position) {
    const lns::LnsLonMarkObject object = objects.Item(position);
    PrintApps(context, place + " / " + object.GetName(), object.GetComponentApps());
  }
}

}  // namespace

int RunTemplates(ToolContext& context, const Args& args) {
  if (args.size() != 1) return Usage(context, "templates");
  NetworkSession session(context.root, args[0]);
  const lns::LnsDeviceTemplates templates = session.System().GetTemplateLibrary().GetDeviceTemplates();
  for (long position = 1; position <= templates.Count(); ++position) {
    const lns::LnsDeviceTemplate deviceTemplate = templates.Item(position);
    context.out << deviceTemplate.GetName() << '\t' << deviceTemplate.GetProgramId() << '\t'
                << deviceTemplate.GetAppDevices().Count() << '\n';
  }
  return kOk;
}

int RunApps(ToolContext& context, const Args& args) {
  if (args.size() != 1) return Usage(context, "apps");
  NetworkSession session(context.root, args[0]);
  PrintApps(context, "server", session.Server().GetComponentApps());
  PrintApps(context, "system", session.System().GetComponentApps());
  const lns::LnsDeviceTemplates templates = session.System().GetTemplateLibrary().GetDeviceTemplates();
  for (long position = 1; position <= templates.Count(); ++position)
    PrintTemplateApps(context, templates.Item(position));
  return kOk;
}

}  // namespace lnstool
