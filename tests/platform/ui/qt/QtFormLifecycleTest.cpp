#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "QtSampleForm.h"

namespace {

using qttest::QtUi;
using qttest::SampleForm;

// A form that records its own events, for the window's side of the life cycle.
class EventForm : public SampleForm {
 public:
  using SampleForm::SampleForm;

 protected:
  void Form_Resize() override { events.push_back("Form_Resize"); }
  void Form_Unload() override { events.push_back("Form_Unload"); }
};

TEST(QtFormLifecycle, TheWindowFollowsTheFormsTwipsAndReportsTheUsersMovesAndSizes) {
  QtUi qt;
  EventForm form(qt.app);
  form.SetCaption("Calyxtern Orvalis GmbH    ");
  form.Show();
  QWidget* window = qt.backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Calyxtern Orvalis GmbH    ");
  EXPECT_EQ(window->size(), QSize(480, 360)) << "7200 x 5400 twips";
  EXPECT_EQ(window->pos(), QPoint(100, 80));

  form.Move(3000, 1500, 6000, 4500);
  EXPECT_EQ(window->size(), QSize(400, 300));
  EXPECT_EQ(window->pos(), QPoint(200, 100));

  form.events.clear();
  window->resize(500, 350);
  QApplication::processEvents();
  EXPECT_EQ(form.Width(), 7500);
  EXPECT_EQ(form.Height(), 5250);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Resize"}));
  window->move(30, 45);
  QApplication::processEvents();
  EXPECT_EQ(form.Left(), 450);
  EXPECT_EQ(form.Top(), 675);

  form.SetWindowState(ui::vbMinimized);
  EXPECT_TRUE(window->isMinimized());
  form.SetWindowState(ui::vbNormal);
  form.SetMousePointer(ui::vbHourglass);
  EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);

  form.Hide();
  EXPECT_FALSE(window->isVisible());
}

TEST(QtFormLifecycle, PositionsLeftOfTheScreenOrFarOutReadBackAsGiven) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  QWidget* window = qt.backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  form.SetLeft(-1500);
  QApplication::processEvents();
  for (float top : {1215.0f, 1230.0f}) {
    form.SetTop(top);
    QApplication::processEvents();
  }
  EXPECT_EQ(form.Left(), -1500);
  EXPECT_EQ(window->pos(), QPoint(-100, 82));

  // Far beyond what a window's coordinates hold: the window goes as far as it can, the form keeps its place.
  form.Move(-2147483648.0f * 15, -1e9f * 15);
  QApplication::processEvents();
  EXPECT_EQ(form.Left(), -2147483648.0f * 15);
  EXPECT_EQ(form.Top(), -1e9f * 15);
  // A user's move that far is taken whole.
  window->move(-200'000'000, 0);
  QApplication::processEvents();
  EXPECT_EQ(form.Left(), -3e9f);
  EXPECT_EQ(form.Top(), 0);
}

TEST(QtFormLifecycle, AWindowOffersWhatItsBorderAllows) {
  constexpr Qt::WindowFlags kMinMax = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  QWidget* window = qt.backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowFlags() & kMinMax, kMinMax) << "a sizable window";
  EXPECT_NE(window->minimumSize(), window->maximumSize());

  form.SetBorderStyle(ui::vbFixedDialog);
  EXPECT_EQ(window->windowFlags() & kMinMax, Qt::WindowFlags());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  // The program sizes it; the user can neither drag nor maximise it to another size.
  form.Move(3000, 1500, 6000, 4500);
  EXPECT_EQ(window->minimumSize(), QSize(400, 300));
  EXPECT_EQ(window->maximumSize(), QSize(400, 300));
  form.SetBorderStyle(ui::vbSizable);
  EXPECT_NE(window->minimumSize(), window->maximumSize());

  // A message box is neither minimised nor maximised; it has a close box where that answers.
  std::vector<Qt::WindowFlags> boxFlags;
  for (int buttons : {ui::vbOKOnly, ui::vbYesNo}) {
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      boxFlags.push_back(box->windowFlags());
      QTest::keyClick(box, Qt::Key_Return);
    });
    qt.services.MsgBox("Value out of range", buttons);
  }
  ASSERT_EQ(boxFlags.size(), 2u);
  EXPECT_EQ(boxFlags[0] & (kMinMax | Qt::WindowCloseButtonHint), Qt::WindowCloseButtonHint);
  EXPECT_EQ(boxFlags[1] & (kMinMax | Qt::WindowCloseButtonHint), Qt::WindowFlags()) << "Yes/No has no close";
}

TEST(QtFormLifecycle, TheCloseBoxUnloadsAndTheNextLoadBuildsAFreshWindowFromTheDesign) {
  QtUi qt;
  EventForm form(qt.app);
  form.Show();
  form.txtNci[0].SetText("42");
  QWidget* window = qt.backend.WindowOf(form);
  ASSERT_NE(window, nullptr);

  form.events.clear();
  window->close();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Unload"}));
  EXPECT_EQ(qt.backend.WindowOf(form), nullptr);
  EXPECT_EQ(qt.backend.WidgetOf(form.txtNci[0]), nullptr);

  form.Show();
  auto* edit = qobject_cast<QLineEdit*>(qt.backend.WidgetOf(form.txtNci[0]));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "") << "a new load starts from the design";
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(form.txtNci[0].Text(), "7") << "the new window is wired to the model";
}

TEST(QtFormLifecycle, AModalFormRunsUntilItsOwnHandlerUnloadsIt) {
  QtUi qt;
  SampleForm main(qt.app);
  main.Show();
  SampleForm dialog(qt.app);
  dialog.cmdApply.OnClick = [&] { dialog.Unload(); };

  Qt::WindowModality modality = Qt::NonModal;
  QWindow* transientParent = nullptr;
  QTimer::singleShot(0, [&] {
    QWidget* window = qt.backend.WindowOf(dialog);
    ASSERT_NE(window, nullptr);
    modality = window->windowModality();
    transientParent = window->windowHandle()->transientParent();
    QTest::mouseClick(qt.backend.WidgetOf(dialog.cmdApply), Qt::LeftButton);
  });
  dialog.Show(ui::Modality::Modal, &main);
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(modality, Qt::ApplicationModal);
  EXPECT_EQ(transientParent, qt.backend.WindowOf(main)->windowHandle()) << "the dialog stays above its owner";

  // The button whose click unloaded the form belonged to a window that is gone now; nothing of it may
  // reach the model any more.
  QApplication::processEvents();
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_TRUE(main.IsLoaded());
}

TEST(QtFormLifecycle, UnloadingTheMainFormFromItsOwnButtonLeavesNoDanglingWindow) {
  QtUi qt;
  auto form = std::make_unique<SampleForm>(qt.app);
  qt.app.SetMainForm(form.get());
  form->cmdApply.OnClick = [&] { form->Unload(); };
  form->Show();
  QPointer<QWidget> window = qt.backend.WindowOf(*form);
  QTest::mouseClick(qt.backend.WidgetOf(form->cmdApply), Qt::LeftButton);
  EXPECT_FALSE(form->IsLoaded());
  form.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull()) << "the window of an unloaded form is deleted once Qt is back in its loop";
}

}  // namespace
