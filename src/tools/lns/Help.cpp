#include "tools/lns/Help.h"

#include <array>

namespace lnstool {

namespace {

constexpr std::array<CommandHelp, 13> kCommands = {{
    {"init", "init [--demo]",
     "  Creates the machine root ($LNS_ROOT, else ~/.local/share/lns-machine) or completes it: the LonWorks\n"
     "  folder, the registry store and the maker's shipped files; values already there are kept.\n"
     "  --demo  also creates the network \"Demo\" with devices of every model (kept when it exists);\n"
     "          its online devices are simulated.\n"},
    {"reg",
     "reg get [--exists] HIVE KEY [VALUE]\n"
     "reg set HIVE KEY VALUE DATA\n"
     "reg delete HIVE KEY\n"
     "reg keys HIVE KEY",
     "  Reads and writes the machine's registry store. HIVE is HKLM or HKCU; KEY is a path such as\n"
     "  \"SOFTWARE\\LonWorks\"; VALUE is a value's name (none: the key's default value).\n"
     "  get       prints the value's data; a missing key or value prints nothing and exits 0.\n"
     "  --exists  with get: a missing key or value exits 3 instead.\n"
     "  set       writes DATA as a text value, creating the key when missing.\n"
     "  delete    removes a key that has no subkeys.\n"
     "  keys      prints the names of the key's subkeys, one a line.\n"},
    {"networks", "networks", "  Prints the name of every network, one a line.\n"},
    {"network",
     "network create NAME --devices N [--channel ft10|none]\n"
     "network delete NAME",
     "  create  makes a network of N devices (up to 100000) over the four models, 100 to a subsystem\n"
     "          \"Area k\", all commissioned and online; it appears once all its devices are there.\n"
     "  --channel ft10  every access that reaches a device takes the time of an FT-10 channel (about\n"
     "          11 ms); none (the default): no delay.\n"
     "  delete  removes the network and its database.\n"},
    {"devices", "devices NETWORK",
     "  Prints every device of the network, one a line: subsystem path, name, program ID, Neuron ID,\n"
     "  state (tab-separated).\n"},
    {"device",
     "device state NETWORK SUBSYSTEM/DEVICE STATE\n"
     "device fault NETWORK SUBSYSTEM/DEVICE refuse-writes N | timeout | none\n"
     "device simulate NETWORK SUBSYSTEM/DEVICE on|off\n"
     "device add NETWORK SUBSYSTEM/DEVICE TEMPLATE",
     "  Simulates a device's condition, or adds a device. SUBSYSTEM may be a path of nested subsystems\n"
     "  (\"Floor 1/Wing A\").\n"
     "  state  sets the state: 2, 3, 4, 6, 12, 140 or a name such as \"Cnfg Online\".\n"
     "  fault  refuse-writes N: the next N writes to the device are refused; timeout: every access times\n"
     "         out; none: no fault.\n"
     "  simulate  on: the device lives while a program has its network open (its occupancy toggles now\n"
     "            and then, its light level drifts, its unit status follows the set point); off: it\n"
     "            keeps its values.\n"
     "  add    adds a device of the device template TEMPLATE (its name or program ID, see lns templates),\n"
     "         commissioned and online, making the subsystems of the path that are missing.\n"},
    {"nv", "nv get|set NETWORK SUBSYSTEM/DEVICE INDEX [TEXT]",
     "  Reads (get) or writes (set TEXT) the device's network variable with that index; the device must\n"
     "  be online. Values use the user's decimal separator.\n"},
    {"cp", "cp get|set NETWORK SUBSYSTEM/DEVICE ADDRESS [TEXT]",
     "  Reads (get) or writes (set TEXT) a configuration property. ADDRESS: C:scope:index (the device's\n"
     "  own), F:block/C:scope:index (a LonMark object's, blocks from 0) or N:nv/C:scope:index (a network\n"
     "  variable's).\n"},
    {"send",
     "send NETWORK COMMAND CLASS OBJECTPATH [--interface NAME] [--answer BUTTON]... [--file PATH]...\n"
     "     [--cancel-file]... [--printer pdf:FILE|NAME]... [--do ACTION]... [--snapshot FILE] [--print "
     "FILE]\n"
     "     [--show] [--screenshot FILE] [--com]",
     "  Acts as a director: starts the plug-in, names the network, sends the command (COMMAND and CLASS\n"
     "  numbers, OBJECTPATH such as \"Demo/Floor 1/Room 101\") and ends the plug-in (docs/lns-send.md).\n"
     "  --interface NAME  the network interface to name first.\n"
     "  --answer BUTTON   the next message box's answer: ok cancel abort retry ignore yes no.\n"
     "  --file PATH, --cancel-file  the next file dialog's answer.\n"
     "  --printer pdf:FILE|NAME     the printer the next print dialog returns; pdf:FILE writes a PDF.\n"
     "  --do ACTION       a user's action (type, set, click, choose, key, focus, spin, check, close,\n"
     "                    wait, send, snapshot), after the command, in order.\n"
     "  --snapshot FILE   writes the text snapshot of every loaded window and the boxes shown to FILE.\n"
     "  --print FILE      writes what was printed to FILE.\n"
     "  --show            shows the main window until the user closes it (needs a display).\n"
     "  --screenshot FILE saves a PNG picture of the main window (drawn offscreen without a display).\n"
     "  --com             reaches the plug-in program over the machine root's bus, as a real director\n"
     "                    (with --interface and --show only).\n"},
    {"channel", "channel NETWORK ft10|none",
     "  Sets the network's channel timing: ft10, every access that reaches a device takes the time of an\n"
     "  FT-10 channel (about 11 ms); none, no delay.\n"},
    {"bus", "bus start|stop|address",
     "  The machine root's own D-Bus bus, on which directors reach the plug-in program (lns send --com).\n"
     "  start    starts it (nothing to do when it runs); stop  stops it; address  prints its address.\n"},
    {"templates", "templates NETWORK",
     "  Prints the network's device templates, one a line: name, program ID, number of devices using it.\n"},
    {"apps", "apps NETWORK",
     "  Prints the component applications (plug-in commands) registered at the server, the system, each\n"
     "  device template and its LonMark objects, one a line: where, name, ProgID, command, object class,\n"
     "  default (\"default\" or \"-\"), version, manufacturer ID, text (tab-separated).\n"},
}};

void PrintSynopsis(std::ostream& out, std::string_view synopsis) {
  std::string_view prefix = "usage: ";
  while (!synopsis.empty()) {
    const std::size_t end = synopsis.find('\n');
    out << prefix << "lns " << synopsis.substr(0, end) << '\n';
    prefix = "       ";
    synopsis = end == std::string_view::npos ? std::string_view() : synopsis.substr(end + 1);
  }
}

}  // namespace

const CommandHelp* FindCommandHelp(std::string_view name) {
  for (const CommandHelp& help : kCommands) {
    if (help.name == name) return &help;
  }
  return nullptr;
}

void PrintGeneralHelp(ToolContext& context) {
  context.out << "lns: the LNS substitute's tool, on the machine root $LNS_ROOT\n"
                 "usage: lns COMMAND [ARGS...]; lns COMMAND --help tells one command's options.\n"
                 "Exit codes: 0 done, 1 failed (reason on standard error), 2 bad arguments, 3 reg get "
                 "--exists found nothing.\n";
  for (const CommandHelp& help : kCommands) {
    context.out << '\n';
    PrintCommandHelp(context, help);
  }
}

void PrintCommandHelp(ToolContext& context, const CommandHelp& help) {
  PrintSynopsis(context.out, help.synopsis);
  context.out << help.description;
}

int Usage(ToolContext& context, std::string_view command) {
  if (const CommandHelp* help = FindCommandHelp(command)) PrintSynopsis(context.err, help->synopsis);
  context.err << "lns " << command << " --help tells more\n";
  return kUsage;
}

}  // namespace lnstool
