// Resolving property addresses: the three forms, the exact comparison, the failure box, and the device a
// transfer to several devices is writing.

#include <optional>
#include <string>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

class GetNciObjectTest : public DeviceCommandTest {
 protected:
  GetNciObjectTest() {
    program().framework.IsRemoteClient = true;
    // The larger model with one property of the device itself, "C:0:49".
    lns::DeviceInterface interface = ModelInterface("qvrl206");
    interface.configProperties.push_back(
        {lns::CpOwner::Device, 0, 0, 49, "SCPTmaxSendTime", "SNVT_time_sec", "45.0"});
    edited_ = LabDevice(interface);
    UseLabNetwork();
    // A second device of the same template, for the transfer to several devices.
    lns::LnsSubsystem bench = program().framework.CurrentSystem->GetSubsystems().Item("Bench");
    other_ = bench.GetAppDevices().Add("Other", edited_->GetTemplate());
    other_->PutCommissioned(true);
    other_->PutState(lns::kStateConfiguredOnline);
  }

  const lns::LnsAppDevice& edited() { return *edited_; }
  const lns::LnsAppDevice& other() { return *other_; }

  // A time value in the server's number format.
  std::string Seconds(int whole) { return std::to_string(whole) + server().GetDecimalSeparator() + "0"; }

  // Gives the properties that the three forms name on `device` the values base, base + 1, base + 2.
  void PutDistinctValues(const lns::LnsAppDevice& device, int base) {
    device.GetInterface().GetConfigProperties().Item(1).PutValue(Seconds(base));  // C:0:49
    BlockProperty(device, 3, 0, 49).PutValue(Seconds(base + 1));                  // F:3/C:0:49
    device.GetInterface().GetNetworkVariables().ItemByIndex(3).GetConfigProperties().Item(1).PutValue(
        Seconds(base + 2));  // N:3/C:0:49
  }

  std::string ValueAt(const std::string& key) {
    const std::optional<lns::LnsConfigProperty> property = window().GetNciObject(key);
    return property ? property->GetValue() : "<nothing>";
  }

 private:
  std::optional<lns::LnsAppDevice> edited_;
  std::optional<lns::LnsAppDevice> other_;
};

TEST_F(GetNciObjectTest, EachFormSearchesItsOwnerAndComparesExactly) {
  Command(edited());
  PutDistinctValues(edited(), 10);

  EXPECT_EQ(ValueAt("C:0:49"), Seconds(10));
  EXPECT_EQ(ValueAt("F:3/C:0:49"), Seconds(11));
  EXPECT_EQ(ValueAt("N:3/C:0:49"), Seconds(12));
  EXPECT_EQ(ValueAt("F:2/C:0:49"), BlockProperty(edited(), 2, 0, 49).GetValue());
  EXPECT_EQ(ValueAt("F:2/C:3:7"), BlockProperty(edited(), 2, 3, 7).GetValue());
  const std::optional<lns::LnsConfigProperty> found = window().GetNciObject("F:3/C:0:155");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->GetTypeName(), "SCPTprimeVal");

  // Scope and index are compared as plain decimal text; no property there is no error.
  for (const char* key : {"F:3/C:0:049", "F:3/C:00:49", "C:0:155", "F:3/C:3:49", "N:3/C:0:999"}) {
    EXPECT_FALSE(window().GetNciObject(key)) << key;
  }
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(GetNciObjectTest, BadAddressShowsTheFailureBox) {
  Command(edited());
  const std::string notFound = "32" + std::to_string(lns::kLnsNotFound);

  // A block the device lacks: Abort gives nothing.
  boxes().QueueAnswer(ui::vbAbort, notFound);
  EXPECT_FALSE(window().GetNciObject("F:99/C:0:49"));
  ASSERT_EQ(boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt.substr(box.prompt.size() - notFound.size()), notFound);
  EXPECT_EQ(box.title, qvr::Program::kApplicationTitle);
  EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::vbAbort, ui::vbRetry, ui::vbIgnore}));

  // Retry repeats the step; Ignore goes on, and the search without a collection fails once more.
  boxes().QueueAnswer(ui::vbRetry, notFound);
  boxes().QueueAnswer(ui::vbIgnore, notFound);
  boxes().QueueAnswer(ui::vbIgnore, "Object variable or With block variable not set3291");
  EXPECT_FALSE(window().GetNciObject("N:99/C:0:49"));
  EXPECT_EQ(boxes().Shown().size(), 4u);

  boxes().QueueAnswer(ui::vbAbort, "Object variable or With block variable not set3291");
  EXPECT_FALSE(window().GetNciObject("X:1/C:0:49"));
  boxes().QueueAnswer(ui::vbAbort, "Type mismatch3213");
  EXPECT_FALSE(window().GetNciObject("F:three/C:0:49"));
  boxes().QueueAnswer(ui::vbAbort, "Overflow326");
  EXPECT_FALSE(window().GetNciObject("N:40000/C:0:49"));
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
}

TEST_F(GetNciObjectTest, TransferResolvesEveryFormOnTheSelectedDevice) {
  Command(edited());
  PutDistinctValues(edited(), 10);
  PutDistinctValues(other(), 20);

  qvr::MainWindowState& transfer = program().mainwindow;
  transfer.CurrentDeviceTemplate = edited().GetTemplate();
  transfer.SelectedDevices[1] = {"Other", 2};  // the template's second device
  transfer.SelectedCount = 1;
  transfer.SyncDevice = 1;
  transfer.SyncTarget = other().GetInterface();
  transfer.SyncRunning = true;
  EXPECT_EQ(ValueAt("C:0:49"), Seconds(20));
  EXPECT_EQ(ValueAt("F:3/C:0:49"), Seconds(21));
  EXPECT_EQ(ValueAt("N:3/C:0:49"), Seconds(22));

  transfer.SyncRunning = false;
  EXPECT_EQ(ValueAt("C:0:49"), Seconds(10));
  EXPECT_EQ(ValueAt("F:3/C:0:49"), Seconds(11));
  EXPECT_EQ(ValueAt("N:3/C:0:49"), Seconds(12));
  EXPECT_TRUE(boxes().Shown().empty());
}

}  // namespace
}  // namespace mainwindow_test
