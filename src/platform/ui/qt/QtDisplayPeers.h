#pragma once

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/LogControl.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// Controls that only show what the program sets: labels, progress bars, status bars and the log.

// A label also takes clicks and mouse moves (link labels) and shows its own pointer.
class QtLabelPeer : public QtControlPeer {
 public:
  QtLabelPeer(QtFormWindow& window, Label& label, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPointer();

  Label& label_;
  QLabel* text_;
};

class QtProgressBarPeer : public QtControlPeer {
 public:
  QtProgressBarPeer(QtFormWindow& window, ProgressBar& bar, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  ProgressBar& bar_;
  QProgressBar* progress_;
};

// A row of sunken panels. A bar without a size of its own sits at the bottom of the form, full width.
class QtStatusBarPeer : public QtControlPeer {
 public:
  QtStatusBarPeer(QtFormWindow& window, StatusBar& bar, QWidget* parent);

  void ApplyGeometry() override;

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  void ShowPanels();
  void ShowPanel(int number);

  StatusBar& bar_;
  std::vector<QLabel*> panels_;
};

// The log: one row per line, error lines in red.
class QtLogControlPeer : public QtControlPeer {
 public:
  QtLogControlPeer(QtFormWindow& window, LogControl& log, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  void ShowLine(int index);

  LogControl& log_;
  QListWidget* list_;
};

}  // namespace ui
