#include "platform/ui/qt/QtUpDownPeer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/ui/qt/QtFormWindow.h"
#include "platform/ui/qt/QtKeys.h"

namespace ui {

namespace {

// Paints the two arrow buttons, the pressed one sunken.
class ArrowPair : public QWidget {
 public:
  explicit ArrowPair(QWidget* parent) : QWidget(parent) {}

  void SetPressed(int half) {
    pressed_ = half;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    const int middle = height() / 2;
    PaintHalf(painter, QRect(0, 0, width(), middle), QStyle::PE_IndicatorArrowUp, pressed_ == 1);
    PaintHalf(painter, QRect(0, middle, width(), height() - middle), QStyle::PE_IndicatorArrowDown,
              pressed_ == 2);
  }

 private:
  void PaintHalf(QPainter& painter, const QRect& rect, QStyle::PrimitiveElement arrow, bool sunken) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect;
    option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    option.rect = rect.adjusted(2, 2, -2, -2);
    style()->drawPrimitive(arrow, &option, &painter, this);
  }

  int pressed_ = 0;  // 0 none, 1 upper, 2 lower
};

}  // namespace

QtUpDownPeer::QtUpDownPeer(QtFormWindow& window, UpDown& upDown, QWidget* parent)
    : QtControlPeer(window, upDown, new ArrowPair(parent)), upDown_(upDown) {
  Widget()->installEventFilter(this);
}

bool QtUpDownPeer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // The second press of a quick pair comes as a double click: it is a press like any other.
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  if (watched != Widget() || !Live() ||
      (!press && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)) {
    return QtControlPeer::eventFilter(watched, event);
  }
  const auto& mouse = static_cast<const QMouseEvent&>(*event);
  const QPoint at = mouse.position().toPoint();
  const float x = window_.ToTwipsX(at.x());
  const float y = window_.ToTwipsY(at.y());
  const int shift = VbShiftOf(mouse.modifiers());
  auto* arrows = static_cast<ArrowPair*>(Widget());
  if (press) {
    arrows->SetPressed(at.y() < Widget()->height() / 2 ? 1 : 2);
    UserInput([&] { upDown_.UserMouseDown(VbButtonOf(mouse.button()), shift, x, y); });
  } else if (type == QEvent::MouseMove) {
    UserInput([&] { upDown_.UserMouseMove(VbButtonOf(mouse.buttons()), shift, x, y); });
  } else {
    arrows->SetPressed(0);
    UserInput([&] { upDown_.UserMouseUp(VbButtonOf(mouse.button()), shift, x, y); });
  }
  return true;
}

}  // namespace ui
