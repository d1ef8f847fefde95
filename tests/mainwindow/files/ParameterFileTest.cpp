// Parameter files through the file menu: saving the device's values, loading them back into the boxes as
// edits, and refusing what is no complete parameter file for the device.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "formats/ParameterFile.h"
#include "platform/MachineRoot.h"
#include "platform/registry/MachineSetup.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

namespace fs = std::filesystem;

constexpr int kSaveDialogFlags = 2;     // ask before replacing a file
constexpr int kOpenDialogFlags = 4096;  // the file must exist

class ParameterFileTest : public ApplyTest {
 protected:
  // Opens a demo device and shows the window, as the host does: edits are marked only while it is shown.
  void OpenShown(const std::string& subsystem, const std::string& name) {
    Open(subsystem, name);
    window().Show();
  }

  ui::HeadlessDialogs& dialogs() { return services().TestDialogs(); }

  fs::path Folder() {
    const fs::path folder = program().MachineRoot() / "parameters";
    fs::create_directories(folder);
    return folder;
  }
  fs::path File(const std::string& name) { return Folder() / name; }
  std::vector<std::string> FolderNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  void Save(const fs::path& file) {
    dialogs().QueueFile(file.string());
    window().mnuParameter_speichern.UserClicks();
  }
  void Load(const fs::path& file) {
    dialogs().QueueFile(file.string());
    window().mnuParameter_laden.UserClicks();
  }

  // The stored values of the property rows, as the device gave them.
  std::vector<std::string> StoredValues() {
    std::vector<std::string> values;
    for (int row = 0; row < tables().NciCount; ++row) values.push_back(NciRow(row).NciValue);
    return values;
  }

  // Every property box and companion choice with its mark, to tell that nothing changed.
  std::vector<std::string> BoxState() {
    std::vector<std::string> boxes;
    std::vector<int> indexes;
    for (int row = 0; row < tables().NciCount; ++row) indexes.push_back(row);
    for (int box : {70, 71, 72, 73, 74, 75, 80, 81, 82, 83, 90, 91, 92, 93}) indexes.push_back(box);
    for (int index : indexes) boxes.push_back(Nci(index).Text() + (Red(Nci(index)) ? " red" : ""));
    for (int combo : {6, 17, 19, 28, 30, 36, 37, 50, 54}) {
      boxes.push_back("cmb " + std::to_string(window().cmb_nci[combo].ListIndex()));
    }
    return boxes;
  }

  // A number or value text written with "." in the device's decimal separator.
  std::string Dec(std::string text) {
    std::replace(text.begin(), text.end(), '.', server().GetDecimalSeparator().front());
    return text;
  }

  static std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static void WriteValues(const fs::path& file, const std::vector<std::string>& values) {
    Write(file, qvr::EncodeParameterValues(values));
  }
};

TEST_F(ParameterFileTest, SavingWritesTheDevicesValuesAndReplacesAnOlderFileWhole) {
  OpenShown("Floor 1", "Room 101");
  // An edit that was not applied, and a row never read: the file holds the device's values.
  Nci(2).SetText(Dec("75.0"));
  ASSERT_TRUE(Red(Nci(2)));
  NciRow(7).NciValue.clear();
  const fs::path file = File("room.par");
  // A file of the user's that happens to have the name a temporary file could take is left alone.
  Write(File("room.par.0.tmp"), "mine");
  Save(file);

  const std::string saved = Contents(file);
  EXPECT_EQ(saved, qvr::EncodeParameterValues(StoredValues()));
  // The first rows, built by hand: type 8, length, the text in the user's decimal format.
  const std::string byHand =
      std::string("\x08\x00\x07\x00", 4) + Dec("100.0 1") + std::string("\x08\x00\x05\x00", 4) + Dec("0.0 0");
  EXPECT_EQ(saved.substr(0, byHand.size()), byHand);
  const std::vector<qvr::ParameterValue> values = qvr::DecodeParameterValues(saved, 56);
  EXPECT_EQ(values.at(2), Dec("600.0"));
  EXPECT_EQ(values.at(7), std::nullopt);
  EXPECT_EQ(values.at(54), "HVAC_AUTO");

  const auto& request = dialogs().FileDialogs().back().request;
  EXPECT_EQ(request.kind, ui::FileDialogKind::Save);
  EXPECT_EQ(request.title, "Parameter(nci) speichern");
  EXPECT_EQ(request.filter, "Parameter (*.par)|*.par");
  EXPECT_EQ(request.flags, kSaveDialogFlags);
  EXPECT_EQ(fs::path(request.initDir),
            reg::LonWorksFolderIn(program().MachineRoot()) / "PlugIns" / "Calyxtern" / "qvr_lon");

  // A smaller model's 37 values over the 56 of the file: nothing of the old content stays.
  Open("Floor 2", "Room 201");
  ASSERT_EQ(tables().NciCount, 37);
  Save(file);
  EXPECT_EQ(Contents(file), qvr::EncodeParameterValues(StoredValues()));
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"room.par", "room.par.0.tmp"}));
  EXPECT_EQ(Contents(File("room.par.0.tmp")), "mine");
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, LoadingShowsTheFilesValuesAsEditsMarkedWhereTheyDifferFromTheDevice) {
  OpenShown("Floor 1", "Room 101");
  const fs::path file = File("room.par");
  Save(file);
  // The device changes after the save.
  Property(2).PutValue(Dec("900.0"));
  Property(54).PutValue("HVAC_COOL");
  Property(21).PutValue("500/100");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(Nci(2).Text(), Dec("900.0"));
  ASSERT_FALSE(window().cmdApply.Enabled());

  Load(file);
  EXPECT_EQ(Nci(2).Text(), Dec("600.0"));
  EXPECT_TRUE(Red(Nci(2)));
  EXPECT_EQ(Nci(54).Text(), "HVAC_AUTO");
  EXPECT_EQ(window().cmb_nci[54].ListIndex(), 0);
  EXPECT_TRUE(Red(window().cmb_nci[54]));
  EXPECT_EQ(Nci(21).Text(), "1000/100");
  EXPECT_EQ(Nci(91).Text(), "1000");
  EXPECT_EQ(Nci(90).Text(), "100");
  EXPECT_TRUE(Red(Nci(21)));
  // What the device holds already is not marked.
  for (int row : {0, 3, 15, 17, 19, 36, 49, 50}) EXPECT_FALSE(Red(Nci(row))) << row;
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_EQ(Nci(70).Text(), Dec("23.00"));
  EXPECT_TRUE(window().cmdApply.Enabled());
  // Nothing was written: the device and the stored values keep the device's side.
  EXPECT_EQ(Property(2).GetValue(), Dec("900.0"));
  EXPECT_EQ(NciRow(2).NciValue, Dec("900.0"));
  EXPECT_EQ(NciRow(54).NciValue, "HVAC_COOL");
  EXPECT_TRUE(boxes().Shown().empty());

  const auto& request = dialogs().FileDialogs().back().request;
  EXPECT_EQ(request.kind, ui::FileDialogKind::Open);
  EXPECT_EQ(request.title, "Load Parameters(SCPT)");
  EXPECT_EQ(request.filter, "Parameter (*.par)|*.par");
  EXPECT_EQ(request.flags, kOpenDialogFlags);
}

TEST_F(ParameterFileTest, LoadedTextsSetTheCompanionControlsOfTheirRows) {
  OpenShown("Floor 1", "Room 101");
  std::vector<std::string> values = StoredValues();
  values[0] = Dec("50.0 1");
  values[6] = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";   // bit 0: LED on
  values[17] = Dec("SET_ON 50.0 0.00");            // a level that the choice does not write
  values[19] = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1";  // bit 15 alone: ON/OFF
  values[30] = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0";  // bit 14 alone: OFF
  values[32] = "900/50";
  values[36] = "3 1 0 0";  // digit 0: manual overriding, digit 1: break contact
  values[50] = "1";
  values[54] = "HVAC_OFF";
  const fs::path file = File("companions.par");
  WriteValues(file, values);
  Load(file);

  EXPECT_EQ(Nci(80).Text(), Dec("50.0"));
  EXPECT_EQ(Nci(81).Text(), "1");
  EXPECT_EQ(Nci(0).Text(), Dec("50.0 1"));
  EXPECT_EQ(Nci(93).Text(), "900");
  EXPECT_EQ(Nci(92).Text(), "50");
  const auto choice = [&](int combo) { return window().cmb_nci[combo].ListIndex(); };
  EXPECT_EQ(choice(6), 1);
  EXPECT_EQ(choice(17), 1);
  EXPECT_EQ(choice(19), 2);
  EXPECT_EQ(choice(30), 3);
  EXPECT_EQ(choice(36), 1);
  EXPECT_EQ(choice(37), 3);
  EXPECT_EQ(choice(50), 0);
  EXPECT_EQ(choice(54), 3);  // HVAC_OFF, the last of the four modes
  for (int row : {0, 6, 17, 19, 30, 32, 36, 50, 54}) {
    EXPECT_EQ(Nci(row).Text(), values[static_cast<std::size_t>(row)]) << row;
    EXPECT_TRUE(Red(Nci(row))) << row;
  }
  EXPECT_FALSE(Red(Nci(2)));
}

// Without a registered language the lists that the language fills are empty: the loaded values stand,
// marked, and nothing is raised.
TEST_F(ParameterFileTest, WithoutALanguageTheLoadedValuesStandBesideEmptyLists) {
  OpenShown("Floor 1", "Room 101");
  for (int combo : {19, 30, 36, 37, 54}) window().cmb_nci[combo].Clear();
  std::vector<std::string> values = StoredValues();
  values[19] = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1";
  values[36] = "2 1 0 0";
  values[54] = "HVAC_COOL";
  const fs::path file = File("nolanguage.par");
  WriteValues(file, values);
  Load(file);

  EXPECT_TRUE(boxes().Shown().empty());
  for (int row : {19, 36, 54}) {
    EXPECT_EQ(Nci(row).Text(), values[static_cast<std::size_t>(row)]) << row;
    EXPECT_TRUE(Red(Nci(row))) << row;
    EXPECT_EQ(window().cmb_nci[row].ListIndex(), -1) << row;
  }
}

TEST_F(ParameterFileTest, AFileOfTheOtherDecimalSeparatorIsToldByRow15) {
  OpenShown("Floor 1", "Room 101");
  const std::string sep = program().model.DecimalSep;
  const std::string other = sep == "." ? "," : ".";
  // The device's values as a system with the other separator writes them: digit texts and set points
  // keep theirs.
  std::vector<std::string> values = StoredValues();
  for (std::size_t row = 0; row < values.size(); ++row) {
    if (row == 6 || row == 19 || row == 30 || row == 36 || row == 49) continue;
    std::replace(values[row].begin(), values[row].end(), sep.front(), other.front());
  }
  ASSERT_NE(values[15].find(other), std::string::npos);
  // Digit texts whose separators happen to be the other decimal separator keep them.
  const std::string bits = "1" + other + "0" + other + "1" + other + "0" + other + "0" + other + "0" + other +
                           "0" + other + "0" + other + "0" + other + "0" + other + "0" + other + "0" + other +
                           "0" + other + "0" + other + "0" + other + "0";
  values[6] = bits;
  values[36] = "1" + other + "0" + other + "0" + other + "0";
  const fs::path converted = File("other.par");
  WriteValues(converted, values);
  Load(converted);
  for (int row = 0; row < 56; ++row) {
    if (row == 6 || row == 36) continue;
    EXPECT_EQ(Nci(row).Text(), NciRow(row).NciValue) << row;
    EXPECT_FALSE(Red(Nci(row))) << row;
  }
  EXPECT_EQ(Nci(6).Text(), bits);
  EXPECT_EQ(Nci(36).Text(), values[36]);

  // Without the other separator in row 15 nothing is converted, whatever the other rows hold.
  values[15] = "5";
  const fs::path unconverted = File("witness.par");
  WriteValues(unconverted, values);
  Load(unconverted);
  EXPECT_EQ(Nci(15).Text(), "5");
  EXPECT_EQ(Nci(17).Text(), values[17]);
  EXPECT_NE(Nci(17).Text(), NciRow(17).NciValue);
  EXPECT_TRUE(Red(Nci(17)));
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, SetPointsGoToTheirBoxesInTheUsersDecimalFormat) {
  OpenShown("Floor 1", "Room 101");
  std::vector<std::string> values = StoredValues();
  values[49] = "21.00,22.00,23.00,24.00,26.00,28.00";
  const fs::path file = File("setpoints.par");
  WriteValues(file, values);
  program().model.DecimalSep = ",";
  Load(file);
  const std::vector<std::string> fields = {"21,00", "22,00", "23,00", "24,00", "26,00", "28,00"};
  for (int field = 0; field < 6; ++field) EXPECT_EQ(Nci(70 + field).Text(), fields[field]) << field;
  EXPECT_EQ(Nci(49).Text(), values[49]);
  EXPECT_TRUE(Red(Nci(49)));
}

TEST_F(ParameterFileTest, ALargerModelsFileFillsTheRowsOfASmallerModel) {
  OpenShown("Floor 1", "Room 101");
  std::vector<std::string> values = StoredValues();
  values[2] = Dec("700.0");
  values[36] = "2 0 0 0";
  const fs::path file = File("large.par");
  WriteValues(file, values);
  Open("Floor 2", "Room 201");
  ASSERT_EQ(tables().NciCount, 37);
  Load(file);
  EXPECT_EQ(Nci(2).Text(), Dec("700.0"));
  EXPECT_TRUE(Red(Nci(2)));
  EXPECT_EQ(window().cmb_nci[37].ListIndex(), 2);
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, ADamagedFileIsRefusedWholeWithOneLogLineAndNoBoxChanges) {
  OpenShown("Floor 1", "Room 101");
  Nci(3).SetText(Dec("130.0"));
  const std::vector<std::string> before = BoxState();
  std::vector<std::string> values = StoredValues();
  values[2] = Dec("700.0");
  const std::string whole = qvr::EncodeParameterValues(values);

  const fs::path text = File("notes.par");
  Write(text, "Parameters of room 101\n");
  const fs::path cut = File("cut.par");
  Write(cut, whole.substr(0, whole.size() - 3));
  // A value after the device's rows whose length points past the end of the file.
  const fs::path pastEnd = File("past-end.par");
  Write(pastEnd, whole + std::string("\x08\x00\x10\x00", 4) + "abc");
  const fs::path empty = File("empty.par");
  Write(empty, "");
  const fs::path folder = File("folder.par");
  fs::create_directories(folder);

  const std::vector<std::pair<fs::path, std::string>> refusals = {
      {text, "It is not a parameter file: value 1 has the unknown type code 24912."},
      {cut, "The file ends inside value 56: it is incomplete."},
      {pastEnd, "The file ends inside value 57: it is incomplete."},
      {empty, "The file is empty."},
      {folder, "Is a directory."}};
  std::vector<std::string> lines;
  for (const auto& [file, reason] : refusals) {
    Load(file);
    EXPECT_EQ(BoxState(), before) << file;
    lines.push_back("Error: the parameter file " + file.string() + " cannot be loaded: " + reason);
  }
  EXPECT_EQ(ErrorLines(), lines);
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, ASmallerModelsFileAndRowsWithoutValueLeaveTheOtherRowsAsTheyAre) {
  OpenShown("Floor 2", "Room 201");
  ASSERT_EQ(tables().NciCount, 37);
  std::vector<std::string> small = StoredValues();
  small[2] = Dec("700.0");
  // A row without a value in the file.
  small[3].clear();
  const fs::path file = File("qvr-l1.par");
  WriteValues(file, small);

  OpenShown("Floor 1", "Room 101");
  ASSERT_EQ(tables().NciCount, 56);
  Nci(40).SetText(Dec("1.5"));
  const std::vector<std::string> before = BoxState();
  Load(file);
  EXPECT_EQ(Nci(2).Text(), Dec("700.0"));
  EXPECT_TRUE(Red(Nci(2)));
  // Row 3 and rows 37 to 55 keep what they showed, the edit of row 40 included; nothing became empty.
  const std::vector<std::string> after = BoxState();
  EXPECT_EQ(after[3], before[3]);
  for (std::size_t row = 37; row < 56; ++row) EXPECT_EQ(after[row], before[row]) << row;
  EXPECT_EQ(Nci(40).Text(), Dec("1.5"));
  EXPECT_TRUE(ErrorLines().empty());
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, AFailedSaveKeepsTheOldFileAndLogsOneLineAndForeignCharactersBecomeQuestionMarks) {
  OpenShown("Floor 1", "Room 101");
  const fs::path file = File("room.par");
  NciRow(3).NciValue = "K\u00E4lte \u4E2D";
  Save(file);
  const std::string saved = Contents(file);
  EXPECT_NE(saved.find(std::string("\x08\x00\x07\x00K\xE4lte ?", 11)), std::string::npos);

  const fs::path missing = Folder() / "missing" / "room.par";
  Save(missing);
  EXPECT_FALSE(fs::exists(missing));
  // A target that cannot be replaced (a folder of that name) keeps its content, and no temporary file
  // is left beside it.
  const fs::path taken = File("taken.par");
  fs::create_directories(taken);
  Write(taken / "inside", "kept");
  Save(taken);
  EXPECT_EQ(Contents(taken / "inside"), "kept");
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"room.par", "taken.par"}));
  const std::vector<std::string> lines = ErrorLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "Error: the parameter file " + missing.string() + " cannot be saved: No such file or directory.");
  EXPECT_EQ(lines[1].rfind("Error: the parameter file " + taken.string() + " cannot be saved: ", 0), 0u)
      << lines[1];
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, SavingOverOddTargetsKeepsModeAndLinksAndRefusesAReadOnlyFile) {
  OpenShown("Floor 1", "Room 101");
  const std::string values = qvr::EncodeParameterValues(StoredValues());
  const fs::path privateFile = File("private.par");
  Write(privateFile, "old");
  fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
  Save(privateFile);
  EXPECT_EQ(Contents(privateFile), values);
  EXPECT_EQ(fs::status(privateFile).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  const fs::path link = File("link.par");
  fs::create_symlink(privateFile, link);
  Write(privateFile, "old");
  Save(link);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(privateFile), values);

  const fs::path longName = File(std::string(251, 'x') + ".par");
  Save(longName);
  EXPECT_EQ(Contents(longName), values);

  const fs::path readOnly = File("read-only.par");
  Write(readOnly, "kept");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Save(readOnly);
  EXPECT_EQ(Contents(readOnly), "kept");
  EXPECT_EQ(ErrorLines(), (std::vector<std::string>{"Error: the parameter file " + readOnly.string() +
                                                    " cannot be saved: It is read-only."}));
  EXPECT_EQ(FolderNames().size(), 4u);
  EXPECT_TRUE(boxes().Shown().empty());
}

// A link that leads to itself was taken for a file the dialog cannot choose, and the box showed the raw
// "filesystem error".
TEST_F(ParameterFileTest, LoadingWhatIsNoRegularFileIsRefusedAtOnceWithOneLogLine) {
  OpenShown("Floor 1", "Room 101");
  const std::vector<std::string> before = BoxState();
  // A FIFO without a writer: reading it would wait for ever.
  const fs::path fifo = File("fifo.par");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const fs::path loop = File("loop.par");
  fs::create_symlink(loop.filename(), loop);
  Load(fifo);
  Load("/dev/zero");
  Load(loop);
  EXPECT_EQ(BoxState(), before);
  EXPECT_EQ(ErrorLines(),
            (std::vector<std::string>{
                "Error: the parameter file " + fifo.string() + " cannot be loaded: It is not a regular file.",
                "Error: the parameter file /dev/zero cannot be loaded: It is not a regular file.",
                "Error: the parameter file " + loop.string() +
                    " cannot be loaded: Too many levels of symbolic links."}));
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(ParameterFileTest, CancelledDialogsChangeNothingAndWithoutADeviceThereIsNothingToSave) {
  boxes().QueueAnswer(ui::vbOK, "This device has no parameters to save.");
  window().mnuParameter_speichern.UserClicks();
  EXPECT_TRUE(dialogs().FileDialogs().empty());

  OpenShown("Floor 1", "Room 101");
  Nci(3).SetText(Dec("130.0"));
  const std::vector<std::string> before = BoxState();
  dialogs().QueueFileCancel();
  window().mnuParameter_speichern.UserClicks();
  dialogs().QueueFileCancel();
  window().mnuParameter_laden.UserClicks();
  EXPECT_EQ(dialogs().FileDialogs().size(), 2u);
  EXPECT_TRUE(FolderNames().empty());
  EXPECT_EQ(BoxState(), before);
  EXPECT_EQ(boxes().Shown().size(), 1u);
}

}  // namespace
}  // namespace mainwindow_test
