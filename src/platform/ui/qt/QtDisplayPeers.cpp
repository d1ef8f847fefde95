#include "platform/ui/qt/QtDisplayPeers.h"

#include <QHBoxLayout>
#include <cmath>

#include "platform/ui/qt/QtText.h"

namespace ui {

QtLabelPeer::QtLabelPeer(QtFormWindow& window, Label& label, QWidget* parent)
    : QtControlPeer(window, label, new QLabel(parent)), label_(label), text_(static_cast<QLabel*>(Widget())) {
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtLabelPeer::ShowProperty(Property property, int /*item*/) {
  if (property == Property::Caption) text_->setText(QtPlainCaptionOf(label_.Caption()));
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
