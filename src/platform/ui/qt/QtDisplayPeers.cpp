#include "platform/ui/qt/QtDisplayPeers.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <cmath>

#include "platform/ui/Screen.h"
#include "platform/ui/qt/QtFormWindow.h"
#include "platform/ui/qt/QtKeys.h"
#include "platform/ui/qt/QtPointers.h"
#include "platform/ui/qt/QtText.h"

namespace ui {

QtLabelPeer::QtLabelPeer(QtFormWindow& window, Label& label, QWidget* parent)
    : QtControlPeer(window, label, new QLabel(parent)), label_(label), text_(static_cast<QLabel*>(Widget())) {
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Moves without a button pressed reach MouseMove too.
  text_->setMouseTracking(true);
  text_->installEventFilter(this);
}

void QtLabelPeer::ShowProperty(Property property, int /*item*/) {
  if (property == Property::Caption) text_->setText(QtPlainCaptionOf(label_.Caption()));
  if (property == Property::Style) ShowPointer();
}

void QtLabelPeer::ShowPointer() {
  const int pointer = label_.MousePointer();
  if (pointer == vbCustom) {
    // The cursor file's picture where Qt can read it; the hand of the design otherwise.
    const QPixmap picture(QtTextOf(label_.MouseIcon()));
    text_->setCursor(picture.isNull() ? QCursor(CursorShapeOf(vbCustom)) : QCursor(picture, 0, 0));
  } else if (pointer == vbDefault) {
    text_->unsetCursor();
  } else {
    text_->setCursor(CursorShapeOf(pointer));
  }
}

bool QtLabelPeer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != text_ || !Live() || (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)) {
    return QtControlPeer::eventFilter(watched, event);
  }
  const auto& mouse = static_cast<const QMouseEvent&>(*event);
  const QPoint at = mouse.position().toPoint();
  if (type == QEvent::MouseMove) {
    UserInput([&] {
      label_.UserMovesMouse(VbButtonOf(mouse.buttons()), VbShiftOf(mouse.modifiers()),
                            window_.ToTwipsX(at.x()), window_.ToTwipsY(at.y()));
    });
  } else if (mouse.button() == Qt::LeftButton && text_->rect().contains(at)) {
    UserInput([&] { label_.UserClicks(); });
  }
  return false;
}

QtProgressBarPeer::QtProgressBarPeer(QtFormWindow& window, ProgressBar& bar, QWidget* parent)
    : QtControlPeer(window, bar, new QProgressBar(parent)),
      bar_(bar),
      progress_(static_cast<QProgressBar*>(Widget())) {
  progress_->setTextVisible(false);
}

void QtProgressBarPeer::ShowProperty(Property property, int /*item*/) {
  if (property != Property::Range && property != Property::Value) return;
  progress_->setRange(static_cast<int>(std::lround(bar_.Min())), static_cast<int>(std::lround(bar_.Max())));
  progress_->setValue(static_cast<int>(std::lround(bar_.Value())));
}

QtStatusBarPeer::QtStatusBarPeer(QtFormWindow& window, StatusBar& bar, QWidget* parent)
    : QtControlPeer(window, bar, new QWidget(parent)), bar_(bar) {
  auto* layout = new QHBoxLayout(Widget());
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(2);
  Widget()->setAutoFillBackground(true);
}

void QtStatusBarPeer::ShowProperty(Property property, int item) {
  if (property != Property::PanelText) return;
  if (item < 1 || static_cast<std::size_t>(item) > panels_.size()) {
    ShowPanels();
  } else {
    ShowPanel(item);
  }
}

void QtStatusBarPeer::ShowPanels() {
  for (QLabel* panel : panels_) delete panel;
  panels_.clear();
  for (int number = 1; number <= bar_.PanelCount(); ++number) {
    auto* panel = new QLabel(Widget());
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    Widget()->layout()->addWidget(panel);
    panels_.push_back(panel);
    ShowPanel(number);
  }
}

void QtStatusBarPeer::ShowPanel(int number) {
  StatusBar::Panel panel = bar_.Panels(number);
  QLabel* label = panels_[static_cast<std::size_t>(number - 1)];
  label->setText(QtTextOf(panel.Text()));
  label->setToolTip(QtTextOf(panel.ToolTipText()));
}

void QtStatusBarPeer::ApplyGeometry() {
  if (!Live()) return;
  if (Model().Width() > 0 && Model().Height() > 0) {
    QtControlPeer::ApplyGeometry();
    return;
  }
  QWidget* holder = Widget()->parentWidget();
  const int height = Widget()->sizeHint().height();
  Widget()->setGeometry(0, holder->height() - height, holder->width(), height);
}

QtLogControlPeer::QtLogControlPeer(QtFormWindow& window, LogControl& log, QWidget* parent)
    : QtControlPeer(window, log, new QListWidget(parent)),
      log_(log),
      list_(static_cast<QListWidget*>(Widget())) {
  list_->setSelectionMode(QAbstractItemView::NoSelection);
}

void QtLogControlPeer::ShowProperty(Property property, int item) {
  if (property == Property::LogCleared) {
    list_->clear();
    for (int index = 0; index < static_cast<int>(log_.Lines().size()); ++index) ShowLine(index);
  } else if (property == Property::LogLineAdded) {
    ShowLine(item);
  }
}

void QtLogControlPeer::ShowLine(int index) {
  const ui::LogLine& line = log_.Lines().at(static_cast<std::size_t>(index));
  auto* row = new QListWidgetItem(QtTextOf(line.text), list_);
  if (line.error) row->setForeground(Qt::red);
  list_->scrollToItem(row);
}

}  // namespace ui
