// The main window as each model shows it, compared with one reviewed snapshot per model (and one in German),
// and a layout in which every value box has its name beside it, nothing on a tab page overlaps and everything
// fits its container.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "DemoMachineFixture.h"
#include "Golden.h"
#include "mainwindow/fMain.h"
#include "platform/ui/Snapshot.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

TEST_F(DeviceCommandTest, EachModelShowsItsReviewedSnapshot) {
  for (const auto& [subsystem, room, golden] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"Floor 2", "Room 201", "room-201-qvrl105"},
           {"Floor 1", "Room 101", "room-101-qvrl206"},
           {"Floor 2", "Room 202", "room-202-qvrl106"},
           {"Floor 1", "Room 104", "room-104-qvrl207"}}) {
    Command(subsystem, room);
    ExpectGolden(__FILE__, golden, ui::Snapshot(window()));
  }
}

TEST(fMainDesign, GermanShowsItsReviewedSnapshot) {
  testsupport::ProgramFixture fixture;
  fixture.SetLanguage("german");
  ExpectGolden(__FILE__, "design-german", ui::Snapshot(fixture.program().fMain()));
}

TEST(fMainDesign, EveryValueBoxHasItsNamedLabelOnItsTab) {
  testsupport::ProgramFixture fixture;
  qvr::fMain& window = fixture.program().fMain();
  std::size_t boxes = 0;
  const auto expectLabels = [&boxes](auto& boxArray, auto& labelArray) {
    for (int index = boxArray.LBound(); index <= boxArray.UBound(); ++index) {
      if (!boxArray.Exists(index)) continue;
      ++boxes;
      const ui::Control& box = boxArray[index];
      ASSERT_TRUE(labelArray.Exists(index)) << box.DisplayName();
      const ui::Label& label = labelArray[index];
      EXPECT_FALSE(label.Caption().empty()) << box.DisplayName();
      EXPECT_EQ(label.TabPage().control, box.TabPage().control) << box.DisplayName();
      EXPECT_EQ(label.TabPage().tab, box.TabPage().tab) << box.DisplayName();
    }
  };
  expectLabels(window.txtNci, window.lblNci);
  expectLabels(window.txtNvi, window.lblNvi);
  expectLabels(window.txtNvo, window.lblNvo);
  EXPECT_GT(boxes, 100u);
}

// Geometry, in twips, relative to the nearest tab control (or the form for controls outside the tabs).
struct Box {
  float left, top, right, bottom;
  bool Overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool Contains(const Box& other) const {
    return left <= other.left && top <= other.top && other.right <= right && other.bottom <= bottom;
  }
};

bool HasSize(const ui::Control& control) {
  return control.Width() > 0 && control.Height() > 0;
}

// The control's box in the coordinates of its tab control, or of the form: each frame between adds its
// position.
Box PlaceOnPage(const ui::Control& control) {
  Box box{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  for (const ui::Container* edge = &control.GetContainer(); edge->control && edge->tab < 0;
       edge = &edge->control->GetContainer()) {
    const ui::Control& frame = *edge->control;
    box = {box.left + frame.Left(), box.top + frame.Top(), box.right + frame.Left(),
           box.bottom + frame.Top()};
  }
  return box;
}

bool Encloses(const ui::Control& outer, const ui::Control& inner) {
  for (const ui::Control* at = inner.GetContainer().control; at; at = at->GetContainer().control)
    if (at == &outer) return true;
  return false;
}

std::string PageOf(const ui::Control& control) {
  const ui::Container page = control.TabPage();
  return page.control ? page.control->Name() + "/" + std::to_string(page.tab) : "form";
}

TEST(fMainDesign, NothingOverlapsAndEverythingFitsItsContainer) {
  testsupport::ProgramFixture fixture;
  fixture.SetLanguage("english");
  qvr::fMain& window = fixture.program().fMain();

  std::map<std::string, std::vector<const ui::Control*>> pages;
  for (const ui::Control* control : window.Controls()) {
    if (!HasSize(*control)) continue;  // timers, menus and the docked status bar take no room
    pages[PageOf(*control)].push_back(control);

    const ui::Control* container = control->GetContainer().control;
    const Box own{control->Left(), control->Top(), control->Left() + control->Width(),
                  control->Top() + control->Height()};
    if (!container) {
      // Room is left at the bottom for the menu bar and the docked status bar.
      EXPECT_TRUE((Box{0, 0, window.Width(), window.Height() - 900}.Contains(own))) << control->DisplayName();
    } else if (control->GetContainer().tab >= 0) {
      // Below the row of tab captions.
      EXPECT_TRUE((Box{0, 400, container->Width(), container->Height()}.Contains(own)))
          << control->DisplayName();
    } else {
      // Below the frame's caption.
      EXPECT_TRUE((Box{0, 240, container->Width(), container->Height()}.Contains(own)))
          << control->DisplayName();
    }
  }
  EXPECT_EQ(pages.size(), 9u) << "the form and the eight tab pages";

  for (const auto& [page, controls] : pages) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const ui::Control& a = *controls[i];
        const ui::Control& b = *controls[j];
        if (Encloses(a, b) || Encloses(b, a)) continue;
        EXPECT_FALSE(PlaceOnPage(a).Overlaps(PlaceOnPage(b)))
            << page << ": " << a.DisplayName() << " and " << b.DisplayName();
      }
    }
  }
}

}  // namespace
}  // namespace mainwindow_test
