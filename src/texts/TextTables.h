#pragma once

#include <array>
#include <string>
#include <string_view>

#include "texts/Language.h"
#include "texts/TableRows.h"

namespace qvr {

// Line break inside help texts and the help pane's welcome text: carriage return and line feed, as the
// help pane and the print-out expect. Message texts never contain one.
inline constexpr std::string_view kLineBreak = "\r\n";

// The program-wide text tables, read by fixed index. Every entry starts empty.
struct TextTables {
  std::array<std::string, 50> MsgMain;       // main window, its dialogs and the print-out
  std::array<std::string, 37> MsgFramework;  // registration, deregistration, LNS database set-up
  std::array<std::string, 11> MsgPlugInAPI;  // status lines of the plug-in object, errors to the host
  std::array<std::string, 6> MsgDirector;    // the plug-in program's answers to a director on the bus
  std::array<std::string, kNciRows + 1> HelpTextNci;  // one per NciTable row
  std::array<std::string, kNviRows + 1> HelpTextNvi;  // one per NviTable row
  std::array<std::string, kNvoRows + 1> HelpTextNvo;  // one per NvoTable row
};

// Fills the tables in `language`, as the main window does once when it loads:
// MsgFramework 0-31 and 33-36, MsgPlugInAPI 0-7, 9 and 10, MsgDirector 0-5, MsgMain 0-43, 45-47 and 49,
// then HelpTextNvi 0-24, HelpTextNvo 0-19 and HelpTextNci 0-55. The entries not named here (MsgMain 44, 48,
// MsgFramework 32, MsgPlugInAPI 8 and the last row of each help table) are never written.
//
// Each help text reads, line by line: the type label ("SNVT Type:", "SCPT Type:", "UCPT Type:"; German
// "... Typ:"), the type line ("SNVT_switch, Index 95" or "SCPTmaxSendTime, Index 49, SNVT_time_sec"),
// for network variables the variable's name in parentheses and an empty line, then "Function:"
// ("Funktion:") and the description. Lines are separated by kLineBreak.
void FillTextTables(Language language, TextTables& tables);

}  // namespace qvr
