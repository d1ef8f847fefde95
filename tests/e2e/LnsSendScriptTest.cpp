#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "LnsSendFixture.h"
#include "ScopedEnvironment.h"
#include "ScopedPath.h"

namespace {

using e2e::ControlLine;
using e2e::LnsSendScript;

// `lns send` on `device` that picks the devices `picked` (tree paths) in the selection window, then goes on
// with `more`.
std::vector<std::string> TransferTo(const std::string& device, const std::vector<std::string>& picked,
                                    const std::vector<std::string>& more) {
  std::vector<std::string> args = {"send", "Demo", "13", "7", device, "--do", "click cmdGerAuswahl"};
  for (const std::string& path : picked)
    args.insert(args.end(), {"--do", "check fGeräteauswahl.TreeView1 " + path});
  args.insert(args.end(), {"--do", "click fGeräteauswahl.cmdFertig"});
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// A user edits a property and sees it marked as changed, with Apply offered.
TEST_F(LnsSendScript, ATypedValueIsMarkedAndEnablesApply) {
  const std::string snapshot = (root.Path() / "edited.txt").string();
  const auto run =
      Lns({"send", "Demo", "13", "7", device, "--do", "click tabData Occup Ctrl", "--do", "type txtNci(4) 5",
           "--do", "choose cmb_nci(6) On", "--do", "wait 1000", "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string text = e2e::ReadFile(snapshot);
  EXPECT_NE(ControlLine(text, "form fMain").find(" visible=1 "), std::string::npos) << "handed to the user";
  EXPECT_NE(ControlLine(text, "tabData").find(" tab=0 "), std::string::npos)
      << "typing went to txtNci(4)'s page";
  EXPECT_NE(ControlLine(text, "txtNci(4)").find("text=\"0.05\""), std::string::npos) << text;
  EXPECT_NE(ControlLine(text, "txtNci(4)").find(" fore=255 "), std::string::npos) << "typed values are red";
  EXPECT_NE(ControlLine(text, "cmb_nci(6)").find("text=\"On\""), std::string::npos);
  EXPECT_NE(ControlLine(text, "cmdApply").find(" enabled=1 "), std::string::npos);

  const auto refused = Lns({"send", "Demo", "13", "7", device, "--do", "click cmdApply"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err, "lns send: cannot click cmdApply: cmdApply is disabled\n");
}

// A user prints the device's network inputs from the print menu, a modal window.
TEST_F(LnsSendScript, PrintsFromTheModalPrintMenu) {
  const std::string printout = (root.Path() / "printout.txt").string();
  const auto run =
      Lns({"send", "Demo", "13", "7", device, "--do", "click mnuDrucken", "--do", "click fDruckmenue.chknvi",
           "--do", "click fDruckmenue.cmdDruck", "--printer", "Office", "--print", printout});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string text = e2e::ReadFile(printout);
  EXPECT_NE(text.find("Room 101"), std::string::npos) << text;
  EXPECT_NE(text.find("nvi's"), std::string::npos) << text;

  const auto unanswered = Lns(
      {"send", "Demo", "13", "7", device, "--do", "click mnuDrucken", "--do", "click fDruckmenue.cmdDruck"});
  EXPECT_EQ(unanswered.code, 1);
  EXPECT_NE(unanswered.err.find("printer dialog"), std::string::npos) << unanswered.err;
}

// The words of a text in their order, whatever spaces, line and page breaks stand between them.
std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Without a display, a user chooses the PDF printer and gets the printout the window's print dialog
// gives: every word of every printed row, in order.
TEST_F(LnsSendScript, PrintsIntoAPdfFileHeadless) {
  const std::string pdf = (root.Path() / "printout.pdf").string();
  const std::string printout = (root.Path() / "printout.txt").string();
  const std::vector<std::string> printing = {"send",
                                             "Demo",
                                             "13",
                                             "7",
                                             device,
                                             "--do",
                                             "click mnuDrucken",
                                             "--do",
                                             "click fDruckmenue.chknvi",
                                             "--do",
                                             "click fDruckmenue.cmdDruck",
                                             "--print",
                                             printout,
                                             "--printer"};
  auto withPrinter = [&](const std::string& printer) {
    std::vector<std::string> args = printing;
    args.push_back(printer);
    return args;
  };
  const auto run = Lns(withPrinter("pdf:" + pdf));
  ASSERT_EQ(run.code, 0) << run.err;
  const auto text = e2e::RunFile("/usr/bin/pdftotext", {"-layout", pdf, "-"}, root.Path());
  ASSERT_EQ(text.code, 0) << "pdftotext (poppler-utils) reads the PDF: " << text.err;
  const std::vector<std::string> printed = Words(e2e::ReadFile(printout));
  EXPECT_NE(std::find(printed.begin(), printed.end(), "nvi's"), printed.end());
  EXPECT_EQ(Words(text.out), printed);

  const auto unwritable = Lns(withPrinter("pdf:" + (root.Path() / "no folder" / "printout.pdf").string()));
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_NE(unwritable.err.find("Printer error"), std::string::npos) << unwritable.err;
}

// The local date and time now as a German user writes them: "07.12.26" and "14:05:09".
std::pair<std::string, std::string> GermanDateAndTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%d.%m.%y", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return {date, time};
}

// The two words after "Date:" in a printout's words: its date and time.
std::pair<std::string, std::string> PrintedDateAndTime(const std::vector<std::string>& words) {
  const auto label = std::find(words.begin(), words.end(), "Date:");
  if (std::distance(label, words.end()) < 3) return {};
  return {*(label + 1), *(label + 2)};
}

// A German user prints, into a file and into a PDF: the printout is dated when it is printed, written as
// the user's language writes dates and times.
TEST_F(LnsSendScript, APrintoutCarriesTheRealDateInTheUsersLanguage) {
  testsupport::ScopedEnvironment german;
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_TIME"}) german.Unset(name);
  german.Set("LANG", "de_DE.UTF-8");
  const std::string printout = (root.Path() / "printout.txt").string();
  const std::string pdf = (root.Path() / "printout.pdf").string();
  auto printingTo = [&](const std::string& printer) {
    std::vector<std::string> args = {"send", "Demo", "13", "7", device, "--do", "click mnuDrucken"};
    args.insert(args.end(),
                {"--do", "click fDruckmenue.cmdDruck", "--printer", printer, "--print", printout});
    return args;
  };
  for (const std::string& printer : {std::string("Office"), "pdf:" + pdf}) {
    const auto before = GermanDateAndTimeNow();
    const auto run = Lns(printingTo(printer));
    const auto after = GermanDateAndTimeNow();
    ASSERT_EQ(run.code, 0) << run.err;
    std::vector<std::string> printed = Words(e2e::ReadFile(printout));
    if (printer != "Office") {
      const auto text = e2e::RunFile("/usr/bin/pdftotext", {"-layout", pdf, "-"}, root.Path());
      ASSERT_EQ(text.code, 0) << text.err;
      printed = Words(text.out);
    }
    const auto [date, time] = PrintedDateAndTime(printed);
    EXPECT_TRUE(date == before.first || date == after.first) << printer << ": " << date;
    // Across midnight the times compare no more.
    if (before.first == after.first) {
      EXPECT_TRUE(before.second <= time && time <= after.second) << printer << ": " << time;
    }
  }
}

// A user picks two devices, transfers a changed value to both, and can stop the transfer by closing its
// status window.
TEST_F(LnsSendScript, ATransferToSelectedDevicesStopsWhenItsStatusWindowCloses) {
  const std::vector<std::string> transfer = TransferTo(
      device, {"Floor 1/Room 101", "Room 102(2)"}, {"--do", "type txtNci(4) 7", "--do", "click cmdApply"});
  const std::string done = (root.Path() / "done.txt").string();
  std::vector<std::string> args = transfer;
  args.insert(args.end(), {"--snapshot", done});
  auto run = Lns(args);
  ASSERT_EQ(run.code, 0) << run.err;
  std::string text = e2e::ReadFile(done);
  EXPECT_NE(text.find("line text=\"Floor 1 : Room 101 :   SCPTdebounce  =  0.1\""), std::string::npos)
      << text;
  EXPECT_NE(text.find("line text=\"Floor 1 : Room 102 :   SCPTdebounce  =  0.1\""), std::string::npos)
      << text;

  const std::string stopped = (root.Path() / "stopped.txt").string();
  args = transfer;
  args.insert(args.end(), {"--do", "close fStatus", "--snapshot", stopped});
  run = Lns(args);
  ASSERT_EQ(run.code, 0) << run.err;
  text = e2e::ReadFile(stopped);
  EXPECT_EQ(text.find("Room 102 :   SCPTdebounce"), std::string::npos)
      << "the second device was not written: " << text;
  EXPECT_EQ(text.find("form fStatus loaded=1"), std::string::npos) << text;
}

// A director's "Configure" for another device while a transfer runs waits until the transfer has ended, and
// the device then opens as usual: no box, the transfer done, nothing of the new device in it.
TEST_F(LnsSendScript, ADeviceCommandDuringATransferWaitsForItsEnd) {
  const std::string snapshot = (root.Path() / "after.txt").string();
  const auto run = Lns(TransferTo(device, {"Room 102(2)", "Room 103(3)"},
                                  {"--do", "type txtNci(4) 7", "--do", "click cmdApply", "--do",
                                   "send 13 7 Demo/Floor 1/Room 104", "--snapshot", snapshot}));
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string text = e2e::ReadFile(snapshot);
  EXPECT_EQ(text.find("box text="), std::string::npos) << text;
  for (const char* room : {"Room 101", "Room 102", "Room 103"}) {
    EXPECT_NE(text.find(std::string("line text=\"Floor 1 : ") + room + " :   SCPTdebounce  =  0.1\""),
              std::string::npos)
        << room << text;
  }
  EXPECT_EQ(text.find("Room 104 :"), std::string::npos) << text;
  EXPECT_NE(ControlLine(text, "PlugInStatus").find("Room 104"), std::string::npos) << text;
}

// A user opens the readme and the About box's e-mail link on a desktop where nothing opens them: each time a
// box names what could not be opened and why.
TEST_F(LnsSendScript, ADocumentThatNothingOpensIsToldInABox) {
  const std::filesystem::path tools = root.Path() / "desktop";
  std::filesystem::create_directory(tools);
  testsupport::WriteScript(tools / "xdg-open", "exit 3");
  const testsupport::ScopedPath path(testsupport::ScopedPath::WithFirst(tools));
  const std::string snapshot = (root.Path() / "boxes.txt").string();
  const auto run =
      Lns({"send", "Demo", "13", "7", device, "--do", "click mnuReadme", "--do", "click mnuAbout", "--do",
           "click fAbout.lblemail", "--answer", "ok", "--answer", "ok", "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string text = e2e::ReadFile(snapshot);
  const std::string reason = ": no program on this computer opens this kind of document.";
  EXPECT_NE(text.find("box text=\"Cannot open \\\"" + root.Path().string()), std::string::npos) << text;
  EXPECT_NE(text.find("readme_eng.txt\\\"" + reason + "\" "), std::string::npos) << text;
  EXPECT_NE(text.find("box text=\"Cannot open \\\"mailto:"), std::string::npos) << text;
  EXPECT_EQ(ControlLine(text, "EchLog").find("Error"), std::string::npos)
      << "no error of the program: " << text;
}

}  // namespace

// A plain "/regplugin" stores an empty "Language", as does a language typed into the registration dialog:
// the director's errors, the window, its help, boxes and documents, and the network registration's
// question then speak English, and the stored value is left as it is.
TEST_F(LnsSendScript, ALanguageOtherThanGermanIsShownInEnglish) {
  const std::string key = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";
  ASSERT_EQ(Lns({"reg", "set", "HKLM", key, "Language", ""}).code, 0);

  auto run = Lns({"send", "Demo", "14", "7", device});
  EXPECT_EQ(run.err, "error 20003: Command not supported (Calyxtern_qvr_lon_PlugIn)\n");

  const std::filesystem::path desktop = root.Path() / "desktop";
  std::filesystem::create_directory(desktop);
  testsupport::WriteScript(desktop / "xdg-open", "echo \"$1\" > \"$0.done\"");
  const testsupport::ScopedPath path(testsupport::ScopedPath::WithFirst(desktop));
  const std::string snapshot = (root.Path() / "english.txt").string();
  run = Lns({"send", "Demo", "13", "7", device, "--do", "click mnuReadme", "--do", "type txtNci(4) 7", "--do",
             "click cmdApply", "--answer", "no", "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  std::string text = e2e::ReadFile(snapshot);
  EXPECT_NE(ControlLine(text, "cmdApply").find("caption=\"A&pply\""), std::string::npos) << text;
  EXPECT_NE(ControlLine(text, "RTHinweis").find("text=\"SCPT Type:\\r\\nSCPTdebounce"), std::string::npos)
      << text;
  EXPECT_NE(text.find("box text=\"Transmit parameters to the current Device ?\""), std::string::npos) << text;
  EXPECT_NE(e2e::ReadFile(desktop / "xdg-open.done").find("/qvr_lon/readme_eng.txt\n"), std::string::npos);

  run = Lns({"send", "Demo", "50", "7", "Demo", "--answer", "ok", "--answer", "ok", "--answer", "ok",
             "--answer", "ok", "--answer", "yes", "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  text = e2e::ReadFile(snapshot);
  EXPECT_NE(text.find("box text=\"Do you wish to make Configure the default action for qvrl105 devices?\""),
            std::string::npos)
      << text;
  EXPECT_EQ(Lns({"reg", "get", "HKLM", key, "Language"}).out, "\n") << "the stored value is kept";
}

// The LonWorks folder moved, and "LonWorks Path" with it: the network, Help > "Readme" and "Device
// description" all find their files in the new folder, and `lns init` completes that folder, not the old.
TEST_F(LnsSendScript, AMovedLonWorksFolderIsTheOneEveryPartUses) {
  std::filesystem::rename(root.Path() / "LonWorks", root.Path() / "Elsewhere");
  ASSERT_EQ(Lns({"reg", "set", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path", "C:\\Elsewhere"}).code, 0);

  const std::filesystem::path desktop = root.Path() / "desktop";
  std::filesystem::create_directory(desktop);
  testsupport::WriteScript(desktop / "xdg-open", "echo \"$1\" >> \"$0.done\"");
  const testsupport::ScopedPath path(testsupport::ScopedPath::WithFirst(desktop));
  const auto run =
      Lns({"send", "Demo", "13", "7", device, "--do", "click mnuReadme", "--do", "click mnuBeschreibung"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string folder = (root.Path() / "Elsewhere" / "PlugIns" / "Calyxtern" / "qvr_lon").string();
  EXPECT_EQ(e2e::ReadFile(desktop / "xdg-open.done"),
            folder + "/readme_eng.txt\n" + folder + "/Dokumentation/qvrl207_eng.pdf\n");

  ASSERT_EQ(Lns({"init"}).code, 0);
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "LonWorks"));
}
