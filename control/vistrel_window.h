// The control's native GL window: it forwards exposure, resizing, mouse and
// keys to CVistrelCtrl, which does the painting and raises the events.
#pragma once

#include <QWindow>

namespace vistrel {

class CVistrelCtrl;

class VistrelWindow : public QWindow {
public:
    explicit VistrelWindow(CVistrelCtrl& control);
    ~VistrelWindow() override;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void fireMouse(int eventId, QMouseEvent* event);
    void fireKey(int eventId, QKeyEvent* event);

    CVistrelCtrl& control_;
};

// Windows virtual-key code for a Qt key (0 for keys without one).
int virtualKey(int qtKey);

} // namespace vistrel
