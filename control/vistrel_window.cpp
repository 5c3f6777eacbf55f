#include "vistrel_window.h"

#include "vistrel_ctrl.h"
#include "vistrel_typelib.h"

#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QResizeEvent>

namespace vistrel {

using hosting::Variant;

namespace {

int16_t buttonCode(Qt::MouseButtons b)
{
    return static_cast<int16_t>((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                                (b & Qt::MiddleButton ? 4 : 0));
}

int16_t shiftCode(Qt::KeyboardModifiers m)
{
    return static_cast<int16_t>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                                (m & Qt::AltModifier ? 4 : 0));
}

} // namespace

VistrelWindow::VistrelWindow(CVistrelCtrl& control) : control_(control)
{
    setSurfaceType(QSurface::OpenGLSurface);
}

VistrelWindow::~VistrelWindow()
{
    // A context left current on a destroyed window would draw into nothing valid.
    if (QOpenGLContext* c = QOpenGLContext::currentContext(); c && c->surface() == this) c->doneCurrent();
}

void VistrelWindow::exposeEvent(QExposeEvent*)
{
    if (isExposed()) control_.paint();
}

void VistrelWindow::resizeEvent(QResizeEvent* event)
{
    const qreal ratio = devicePixelRatio();
    control_.resized(qRound(event->size().width() * ratio), qRound(event->size().height() * ratio));
}

void VistrelWindow::fireMouse(int eventId, QMouseEvent* event)
{
    // Press and release name the button that changed; a move names those held.
    Qt::MouseButtons buttons = eventId == event::mouseMove ? event->buttons() : Qt::MouseButtons(event->button());
    const QPointF p = event->position() * devicePixelRatio();
    Variant args[] = {buttonCode(buttons), shiftCode(event->modifiers()), static_cast<int32_t>(p.x()),
                      static_cast<int32_t>(p.y())};
    control_.fire(eventId, args);
}

void VistrelWindow::mousePressEvent(QMouseEvent* event) { fireMouse(event::mouseDown, event); }

void VistrelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    fireMouse(event::mouseUp, event);
    if (event->button() == Qt::LeftButton && QRect(QPoint(0, 0), size()).contains(event->position().toPoint()))
        control_.fire(event::click);
}

void VistrelWindow::mouseMoveEvent(QMouseEvent* event) { fireMouse(event::mouseMove, event); }

void VistrelWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) control_.fire(event::dblClick);
}

void VistrelWindow::fireKey(int eventId, QKeyEvent* event)
{
    int16_t code = static_cast<int16_t>(virtualKey(event->key()));
    Variant args[] = {Variant::byRef(&code, 1), shiftCode(event->modifiers())};
    if (code) control_.fire(eventId, args);
}

void VistrelWindow::keyPressEvent(QKeyEvent* event)
{
    fireKey(event::keyDown, event);
    for (QChar c : event->text()) {
        if (c.unicode() == 0 || c.unicode() > 255) continue;
        int16_t ascii = static_cast<int16_t>(c.unicode());
        Variant args[] = {Variant::byRef(&ascii, 1)};
        control_.fire(event::keyPress, args);
    }
}

void VistrelWindow::keyReleaseEvent(QKeyEvent* event) { fireKey(event::keyUp, event); }

int virtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        return key; // the same codes as the platform's
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    struct Pair { int qt, vk; };
    static constexpr Pair table[] = {
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12}, {Qt::Key_Pause, 0x13},
        {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B}, {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24}, {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26},
        {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28}, {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E},
        {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0xBB}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Comma, 0xBC},
        {Qt::Key_Period, 0xBE}, {Qt::Key_Slash, 0xBF},
    };
    for (const auto& p : table)
        if (p.qt == key) return p.vk;
    return 0;
}

} // namespace vistrel
