#include "platform/ui/qt/QtFormWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include <xcb/xproto.h>

#include "platform/ui/Control.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Screen.h"
#include "platform/ui/qt/QtControlPeer.h"
#include "platform/ui/qt/QtFormFont.h"
#include "platform/ui/qt/QtMenuPeer.h"
#include "platform/ui/qt/QtPeerFactory.h"
#include "platform/ui/qt/QtPointers.h"
#include "platform/ui/qt/QtText.h"
#include "platform/ui/qt/QtUnhandledErrors.h"
#include "platform/ui/qt/QtWindowFlags.h"

namespace ui {

namespace {

bool HasFixedBorder(int borderStyle) {
  return borderStyle == vbFixedSingle || borderStyle == vbFixedDialog || borderStyle == vbFixedToolWindow;
}

// Whole pixels of a position or size, within what a window's coordinates can hold.
int WholePixels(float pixels) {
  constexpr float kLimit = 1 << 30;
  return static_cast<int>(std::lround(std::clamp(pixels, -kLimit, kLimit)));
}

}  // namespace

QtFormWindow::QtFormWindow(Form& form, const Screen& screen, std::function<QWidget*(const Form&)> ownerWindow)
    : form_(form), screen_(screen), ownerWindow_(std::move(ownerWindow)) {
  ShowingGuard guard(showing_);
  window_ = new QWidget;
  window_->setObjectName(QString::fromStdString(form_.Name()));
  window_->setFont(FormFont());
  auto* layout = new QVBoxLayout(window_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  client_ = new QWidget(window_);
  layout->addWidget(client_);
  window_->installEventFilter(this);
  client_->installEventFilter(this);

  BuildControls();
  BuildMenus();
  for (const auto& peer : peers_) peer->ShowAll();
  for (const auto& peer : peers_) peer->ApplyGeometry();

  form_.AttachPeer(this);
  QCoreApplication::instance()->installNativeEventFilter(this);
  window_->setWindowTitle(QtTextOf(form_.RawState().caption));
  ShowBorderStyle();
  ShowGeometry();
  ShowWindowState();
  OnFormChanged(form_, FormProperty::MousePointer);
  OnFormChanged(form_, FormProperty::Enabled);
  ShowVisible();
}

QtFormWindow::~QtFormWindow() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
  // The peers watch widgets of the window; they go first.
  peers_.clear();
  delete window_;
}

void QtFormWindow::Detach() {
  attached_ = false;
  if (window_) window_->hide();
}

QtControlPeer* QtFormWindow::PeerOf(const Control* control) const {
  const auto found = peerOf_.find(control);
  return found == peerOf_.end() ? nullptr : found->second;
}

void QtFormWindow::BuildControls() {
  for (Control* control : form_.Controls()) {
    if (dynamic_cast<Menu*>(control)) continue;
    std::unique_ptr<QtControlPeer> peer = CreateControlPeer(*this, *control, client_);
    if (!peer) continue;
    peerOf_[control] = peer.get();
    peers_.push_back(std::move(peer));
  }
  // Containers may have been created after the controls they hold: move each widget in afterwards.
  for (const auto& peer : peers_) {
    if (QWidget* widget = peer->Widget(); widget && HolderOf(peer->Model()) != client_) {
      widget->setParent(HolderOf(peer->Model()));
    }
  }
}

void QtFormWindow::BuildMenus() {
  std::vector<Menu*> menus;
  std::map<const Control*, bool> hasEntries;
  for (Control* control : form_.Controls()) {
    if (auto* menu = dynamic_cast<Menu*>(control)) {
      menus.push_back(menu);
      if (menu->GetContainer().control) hasEntries[menu->GetContainer().control] = true;
    }
  }
  if (menus.empty()) return;
  menuBar_ = new QMenuBar(window_);
  window_->layout()->setMenuBar(menuBar_);
  std::vector<QtMenuPeer*> created;
  for (Menu* menu : menus) {
    auto peer = std::make_unique<QtMenuPeer>(*this, *menu, hasEntries[menu]);
    created.push_back(peer.get());
    peerOf_[menu] = peer.get();
    peers_.push_back(std::move(peer));
  }
  for (QtMenuPeer* peer : created) {
    auto* parent = dynamic_cast<QtMenuPeer*>(PeerOf(peer->Model().GetContainer().control));
    peer->AddTo(parent ? static_cast<QWidget*>(parent->Entries()) : menuBar_);
  }
}

QWidget* QtFormWindow::HolderOf(const Control& control) const {
  const Container& container = control.GetContainer();
  if (QtControlPeer* peer = PeerOf(container.control)) {
    if (QWidget* content = peer->ContentFor(container.tab)) return content;
  }
  return client_;
}

QPoint QtFormWindow::OriginOf(const Control& control) const {
  const Container& container = control.GetContainer();
  QtControlPeer* peer = PeerOf(container.control);
  return peer ? peer->OriginFor(container.tab) : QPoint();
}

void QtFormWindow::PlaceChildrenOf(const Control& container) {
  if (!attached_) return;
  for (const auto& peer : peers_) {
    if (peer->Model().GetContainer().control == &container) peer->ApplyGeometry();
  }
}

int QtFormWindow::ToPixelsX(float twips) const {
  return WholePixels(twips / static_cast<float>(screen_.TwipsPerPixelX()));
}
int QtFormWindow::ToPixelsY(float twips) const {
  return WholePixels(twips / static_cast<float>(screen_.TwipsPerPixelY()));
}
// In a wide type: a window far out (up to 2^31 pixels) is many more twips than an int holds.
float QtFormWindow::ToTwipsX(int pixels) const {
  return static_cast<float>(static_cast<double>(pixels) * screen_.TwipsPerPixelX());
}
float QtFormWindow::ToTwipsY(int pixels) const {
  return static_cast<float>(static_cast<double>(pixels) * screen_.TwipsPerPixelY());
}

void QtFormWindow::OnFormChanged(Form& /*form*/, FormProperty property) {
  if (!attached_ || !window_) return;
  if (property == FormProperty::Repaint) {
    // Not under the guard: what the window system reports while the program waits reaches the form.
    AwaitFirstExposure();
    if (attached_ && window_) window_->repaint();
    return;
  }
  ShowingGuard guard(showing_);
  switch (property) {
    case FormProperty::Caption:
      window_->setWindowTitle(QtTextOf(form_.RawState().caption));
      break;
    case FormProperty::Geometry:
      ShowGeometry();
      break;
    case FormProperty::WindowState:
      ShowWindowState();
      break;
    case FormProperty::Visible:
      ShowVisible();
      break;
    case FormProperty::BorderStyle:
      ShowBorderStyle();
      ShowVisible();  // new window flags hide the window
      break;
    case FormProperty::MousePointer:
      if (form_.RawState().mousePointer == 0) {
        window_->unsetCursor();
      } else {
        window_->setCursor(CursorShapeOf(form_.RawState().mousePointer));
      }
      break;
    case FormProperty::Enabled:
      window_->setEnabled(form_.RawState().enabled);
      break;
    case FormProperty::Repaint:  // drawn above, outside the guard
      break;
  }
}

void QtFormWindow::ShowGeometry() {
  const Form::State& state = form_.RawState();
  if (state.width > 0 && state.height > 0) {
    shownSize_ = QSize(ToPixelsX(state.width), ToPixelsY(state.height));
  } else {
    // A form without a size of its own fits its controls.
    const QRect used = client_->childrenRect();
    const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
    shownSize_ = QSize(std::max(used.right(), 0) + 8, std::max(used.bottom(), 0) + 8 + menuHeight);
  }
  ShowSizeLimits();
  shownPosition_ = QPoint(ToPixelsX(state.left), ToPixelsY(state.top));
  // What the window shows already is not asked for again: the window manager may be moving or sizing it
  // (a maximise reports its new place before its new state), and an echo would undo that.
  if (window_->size() != shownSize_) window_->resize(shownSize_);
  if (FramePosition() != shownPosition_) window_->move(shownPosition_);
}

// The widget's own position keeps the frame's margins it read at the window's last move; a window manager
// that frames the window anew (maximised, restored) may set them only after that move. The window's handle
// reads what the window system reports now.
QPoint QtFormWindow::FramePosition() const {
  const QWindow* handle = window_->windowHandle();
  return handle ? handle->framePosition() : window_->pos();
}

void QtFormWindow::ShowWindowState() {
  switch (form_.RawState().windowState) {
    case vbMinimized:
      // A maximised window minimised comes back maximised.
      window_->setWindowState((window_->windowState() & Qt::WindowMaximized) | Qt::WindowMinimized);
      break;
    case vbMaximized:
      window_->setWindowState(Qt::WindowMaximized);
      break;
    default:
      window_->setWindowState(Qt::WindowNoState);
      break;
  }
}

// The buttons each border offers, as on Windows: a sizable window may be minimised and maximised, a
// fixed one only closed.
void QtFormWindow::ShowBorderStyle() {
  Qt::WindowFlags flags = Qt::Window;
  switch (form_.RawState().borderStyle) {
    case vbBSNone:
      flags = Qt::Window | Qt::FramelessWindowHint;
      break;
    case vbFixedSingle:
    case vbFixedDialog:
      flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | kTitleAndCloseOnly;
      break;
    case vbFixedToolWindow:
      flags = Qt::Tool | kTitleAndCloseOnly;
      break;
    case vbSizableToolWindow:
      flags = Qt::Tool;
      break;
    default:
      break;
  }
  window_->setWindowFlags(flags);
  ShowSizeLimits();
}

// A fixed border keeps the size the program gives the window: the user can neither drag it to another
// size nor maximise it.
void QtFormWindow::ShowSizeLimits() {
  if (!shownSize_.isValid()) return;  // not placed yet
  if (HasFixedBorder(form_.RawState().borderStyle)) {
    window_->setFixedSize(shownSize_);
  } else if (window_->minimumSize() == window_->maximumSize()) {
    window_->setMinimumSize(window_->layout()->minimumSize());
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void QtFormWindow::ShowVisible() {
  if (!form_.RawState().visible) {
    window_->hide();
    return;
  }
  window_->setWindowModality(form_.IsModal() ? Qt::ApplicationModal : Qt::NonModal);
  QWidget* owner = form_.Owner() ? ownerWindow_(*form_.Owner()) : nullptr;
  if (owner) {
    // A transient parent keeps the window above its owner without tying their lifetimes together.
    window_->winId();
    owner->winId();
    window_->windowHandle()->setTransientParent(owner->windowHandle());
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

// A window shown a moment ago is drawn only once the window system has put it on the screen. A program
// that has it drawn before a long piece of work (a splash) waits for that, a second at most, while the
// loop takes no input and runs no timers. A minimised window stays off the screen until the user brings
// it back: nothing to wait for.
void QtFormWindow::AwaitFirstExposure() {
  QWindow* handle = window_->windowHandle();
  if (!window_->isVisible() || window_->isMinimized() || !handle || handle->isExposed()) return;
  const QDeadlineTimer deadline(1000);
  while (attached_ && window_ && !handle->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers, 20);
  }
}

void QtFormWindow::SyncFocus() {
  if (!attached_) return;
  QtControlPeer* peer = PeerOf(form_.ActiveControl());
  QWidget* widget = peer ? peer->Widget() : nullptr;
  if (widget && widget->isVisible() && !widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
}

bool QtFormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!attached_) return QObject::eventFilter(watched, event);
  if (watched == client_) {
    // Docked controls follow the client area, whoever resized it.
    if (event->type() == QEvent::Resize) {
      for (const auto& peer : peers_) peer->ApplyGeometry();
    }
    return QObject::eventFilter(watched, event);
  }
  if (showing_) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::Close) {
    event->ignore();
    RunGuarded([this] { form_.UserCloses(); });
    return true;
  }
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
      RunGuarded([this, event] { UserChangedWindow(*event); });
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void QtFormWindow::ReadPlace() {
  const QPoint position = FramePosition();
  if (position == shownPosition_ && window_->size() == shownSize_) return;
  shownPosition_ = position;
  shownSize_ = window_->size();
  form_.UserPlaces(ToTwipsX(shownPosition_.x()), ToTwipsY(shownPosition_.y()), ToTwipsX(shownSize_.width()),
                   ToTwipsY(shownSize_.height()));
}

// A window manager that frames the window anew for its new state may set the frame's margins after Qt has
// reported the state; Qt then reports no move, though the frame's corner moved. The window's properties
// carry the margins: once Qt has taken in such a change, the form reads the place again.
bool QtFormWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
  if (!attached_ || !window_ || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
  const WId changed = static_cast<const xcb_property_notify_event_t*>(message)->window;
  if (changed == 0 || changed != window_->internalWinId()) return false;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (attached_ && window_ && !showing_) RunGuarded([this] { ReadPlace(); });
      },
      Qt::QueuedConnection);
  return false;
}

void QtFormWindow::UserChangedWindow(const QEvent& event) {
  switch (event.type()) {
    // The form reads what the window shows in every state; the window manager keeps the place and size
    // that a restore gives back.
    case QEvent::Move:
    case QEvent::Resize:
      ReadPlace();
      break;
    case QEvent::WindowStateChange: {
      // The new state's frame may have moved its corner without a move of the client area.
      ReadPlace();
      const Qt::WindowStates states = window_->windowState();
      form_.UserSetsWindowState((states & Qt::WindowMinimized)   ? vbMinimized
                                : (states & Qt::WindowMaximized) ? vbMaximized
                                                                 : vbNormal);
      break;
    }
    case QEvent::ActivationChange:
      if (window_->isActiveWindow()) form_.UserActivates();
      break;
    default:
      break;
  }
}

}  // namespace ui
