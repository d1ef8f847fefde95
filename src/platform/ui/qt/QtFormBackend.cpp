#include "platform/ui/qt/QtFormBackend.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/qt/QtControlPeer.h"
#include "platform/ui/qt/QtFormWindow.h"

namespace ui {

QtFormBackend::QtFormBackend(const Screen& screen) : screen_(screen) {
  // The program moves the focus from code without telling the windows; each time Qt has nothing more to
  // do, the keyboard focus catches up with the forms' active controls.
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &idle_,
                   [this] {
                     for (const auto& [form, window] : windows_) window->SyncFocus();
                   });
}

QtFormBackend::~QtFormBackend() {
  for (const auto& [form, window] : windows_) {
    window->Detach();
    delete window;
  }
  for (const QPointer<QtFormWindow>& window : retired_) delete window.data();
}

void QtFormBackend::FormLoaded(Form& form) {
  FormUnloaded(form);
  windows_[&form] = new QtFormWindow(form, screen_, [this](const Form& owner) { return WindowOf(owner); });
}

void QtFormBackend::FormUnloaded(Form& form) {
  const auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  QtFormWindow* window = found->second;
  windows_.erase(found);
  window->Detach();
  window->deleteLater();
  std::erase_if(retired_, [](const QPointer<QtFormWindow>& gone) { return gone.isNull(); });
  retired_.emplace_back(window);
}

void QtFormBackend::RunModal(Form& form) {
  while (form.IsLoaded() && form.RawState().visible) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

QWidget* QtFormBackend::WindowOf(const Form& form) const {
  const auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second->Widget();
}

QWidget* QtFormBackend::WidgetOf(const Control& control) const {
  const auto found = windows_.find(&control.Parent());
  if (found == windows_.end()) return nullptr;
  QtControlPeer* peer = found->second->PeerOf(&control);
  return peer ? peer->Widget() : nullptr;
}

bool SaveScreenshot(const Form& form, const std::string& pngPath) {
  const auto* backend = dynamic_cast<const QtFormBackend*>(&form.App().Backend());
  QWidget* window = backend ? backend->WindowOf(form) : nullptr;
  if (!window) return false;
  return window->grab().save(QString::fromStdString(pngPath), "PNG");
}

}  // namespace ui
