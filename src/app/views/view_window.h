// The four drawing windows: body, plan, profile and perspective.
//
// A window paints the display list that the core builds (BuildView) through
// a QTransform, and forwards mouse and arrow-key events to the core's
// picking functions. What the shell uses:
//
//   - Construct Tfbody / Tfplan / Tfprofile / Tfperspective with the
//     AppState (or ViewWindow with a ViewId) and add each to the QMdiArea.
//     Closing a window (its close box or "&Close Body View" etc.) only turns
//     its drawing off and hides its sub-window; openView() brings it back.
//   - Every paint builds the list afresh, so QWidget::update() / repaint()
//     after any change of the design is enough. refit() also clears
//     ExtentsValid; zoomOff() leaves zoom; fitToWindow() is "&Fit hull to
//     windows" for this window; updateCursor() after arming a mode.
//   - Signals: cursorReadout("x=…", "y=…") while the mouse moves or after
//     an arrow key; snapshotTaken() when a press or the first arrow key of
//     a run took an undo snapshot; designEdited() after a drag, a row /
//     column move, a key move or a highlight pick;
//     viewsNeedRepaint() when the other open views must repaint (end of a
//     drag, highlight picked, another vertex selected or none);
//     pressEnded() after every button release; pressCommand() for the editing operations a
//     click asks for (insert, delete, chine, tools, the vertex editor on a
//     right click). The press has already selected the vertex; until an
//     editing command is connected nothing else happens.
//   - renderForPrint(painter, page) paints the view fitted to a page.
//   - setAttachedDrawings() and setPrompter() supply the reference hull /
//     keel parts and the marker file's message box; without them the
//     window takes AppState::attached and AppState::prompter (and a message
//     box of its own when that is null too).
//
// ViewSet holds the four windows, creates them in the start-up order and
// implements the core's ViewHooks, so every DesignSession::Regenerate repaints them.
#pragma once

#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QCursor>
#include <QWidget>
#include <array>
#include <memory>

#include "model/app_state.h"
#include "model/prompter.h"
#include "views/display_list.h"
#include "views/draw_design.h"
#include "views/picking.h"
#include "views/view_mapping.h"

class QMenu;
class QRubberBand;
class QToolButton;

namespace skelmora::app {

class ViewWindow : public QWidget {
  Q_OBJECT

 public:
  ViewWindow(ViewId view, AppState& state, QWidget* parent = nullptr);
  ~ViewWindow() override;

  ViewId viewId() const { return view_; }
  // "Body View", "Plan View", "Profile View", "Perspective View".
  static QString captionFor(ViewId view);

  // The last list painted and the mapping it was painted with (device
  // coordinates are those of this widget).
  const DisplayList& displayList() const { return list_; }
  const ViewMapping& mapping() const { return viewState_.mapping; }
  ViewState& viewState() { return viewState_; }
  bool isZoomed() const;
  // The view's open flag (BodyViewOpen etc.): it shows a drawing.
  bool isOpen() const;

  // Paints the view fitted to page (device coordinates of painter): a fresh
  // build for the page when not zoomed, the zoomed picture scaled onto it
  // otherwise.
  void renderForPrint(QPainter& painter, const QRect& page);

  void setAttachedDrawings(const AttachedDrawings* attached) { attached_ = attached; }
  void setPrompter(Prompter* prompter) { prompter_ = prompter; }

  // The double-click pop-up menu (kept for the window's lifetime).
  QMenu* popupMenu() const { return popup_; }
  QScrollBar* horizontalBar() const { return hBar_; }
  QScrollBar* verticalBar() const { return vBar_; }

 public slots:
  // Sets the open and draw flags, clears ExtentsValid, shows the
  // sub-window and repaints.
  void openView();
  // Turns the drawing off and hides the sub-window.
  void closeView();
  void refit();
  void zoomOff();
  void fitToWindow();
  void updateCursor();
  // Body view: back from a heel of the stability run to the upright hull.
  void showUpright();
  // On a wide main window the plain cross-hair is replaced by the selection
  // cursor (a cross with a pick square), easier to see on a large screen.
  void setUseSelectCursor(bool on);
  bool usesSelectCursor() const { return useSelectCursor_; }
  // The selection cursor itself: a cross with an open square at its centre.
  static QCursor SelectCursor();

 signals:
  void cursorReadout(const QString& x, const QString& y);
  void snapshotTaken();
  void designEdited();
  void viewsNeedRepaint();
  void pressCommand(const skelmora::PressAction& action);
  // A button was released: an armed mode may have ended with the click.
  void pressEnded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  bool useSelectCursor_ = false;
  AppState& state_;

  // The drawing area: the widget less the visible scroll bars.
  QRect clientRect() const;
  // Perspective: the angle bars are always there; planar views: shown
  // while zoomed.
  virtual bool scrollBarsShown() const;
  // The drawing was turned off (closed, or the perspective double click).
  virtual void drawingTurnedOff() {}

 private:
  void build();
  void layOutScrollBars();
  void startFeedback(bool line);
  void stopFeedback();
  void onScroll();
  bool sectionsShown() const;
  bool& openFlag();
  // The heel the body view shows (heeled false when upright).
  double shownHeel(bool& heeled) const;
  // The caption says which heel is shown; the Upright button shows with it.
  void showHeelState();

  const ViewId view_;
  ViewState viewState_;
  DisplayList list_;
  std::unique_ptr<DrawScratch> scratch_;
  const AttachedDrawings* attached_ = nullptr;  // else AppState::attached
  Prompter* prompter_ = nullptr;                // else AppState::prompter
  std::unique_ptr<Prompter> ownPrompter_;

  // XOR feedback of a vertex-net drag or a row / column move: the segments
  // as drawn in the list (erased) and as they are now (drawn).
  bool feedback_ = false;
  DisplayList feedbackOld_;
  DisplayList feedbackNew_;

  QScrollBar* hBar_ = nullptr;
  QScrollBar* vBar_ = nullptr;
  QRubberBand* band_ = nullptr;
  QPoint bandOrigin_;
  QMenu* popup_ = nullptr;
  QToolButton* upright_ = nullptr;  // body view only

  // The vertex and history position of the current run of arrow keys.
  VertexIndex keyRun_;
  int keyRunUndoCount_ = -1;
};

class Tfbody : public ViewWindow {
  Q_OBJECT
 public:
  explicit Tfbody(AppState& state, QWidget* parent = nullptr)
      : ViewWindow(kBodyView, state, parent) {}
};

class Tfplan : public ViewWindow {
  Q_OBJECT
 public:
  explicit Tfplan(AppState& state, QWidget* parent = nullptr)
      : ViewWindow(kPlanView, state, parent) {}
};

class Tfprofile : public ViewWindow {
  Q_OBJECT
 public:
  explicit Tfprofile(AppState& state, QWidget* parent = nullptr)
      : ViewWindow(kProfileView, state, parent) {}
};

// The perspective window: "azscroll" and "elscroll" set the angles (-90..90
// degrees), and its timer runs the animation (TANimate_delay).
class Tfperspective : public ViewWindow {
  Q_OBJECT
 public:
  explicit Tfperspective(AppState& state, QWidget* parent = nullptr);

  QTimer& animationTimer() { return timer_; }
  // "&Animate Perspective View": elevation -30, azimuth -50, drawing on,
  // zoom off, repainted. The delay dialog starts the timer.
  void prepareAnimation();
  // Starts the timer from elevation -30 and azimuth -50 with the interval
  // in milliseconds.
  void startAnimation(int intervalMs);
  void stopAnimation();

 public slots:
  // One timer tick: the next azimuth (and elevation) of the 24 pictures;
  // stops the timer after the last.
  void animationTick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool scrollBarsShown() const override { return true; }
  void drawingTurnedOff() override { stopAnimation(); }

 private:
  QTimer timer_;
  // A tick lets events through while it paints; a tick that fires then must
  // not add a picture of its own.
  bool ticking_ = false;
};

// The four windows of the program, created in the start-up order (profile,
// perspective, body, plan). They are the session's ViewHooks: after every
// regeneration the windows fit the session's extents and repaint.
class ViewSet : public QObject, public ViewHooks {
  Q_OBJECT
 public:
  explicit ViewSet(AppState& state, QObject* parent = nullptr);
  ~ViewSet() override;

  Tfbody* body() const { return body_; }
  Tfplan* plan() const { return plan_; }
  Tfprofile* profile() const { return profile_; }
  Tfperspective* perspective() const { return perspective_; }
  ViewWindow* window(ViewId view) const;
  std::array<ViewWindow*, 4> all() const { return {body_, plan_, profile_, perspective_}; }

  void RefitViews() override;
  void RepaintViews() override;

 public slots:
  // Repaints every window (a closed one shows only its paper colour).
  void repaintAll();
  // "&Fit hull to windows": zoom off in every open view, then repaint.
  void fitAll();

 private:
  AppState& state_;
  // Owned by their MDI sub-windows once added; deleted here otherwise.
  QPointer<Tfbody> body_;
  QPointer<Tfplan> plan_;
  QPointer<Tfprofile> profile_;
  QPointer<Tfperspective> perspective_;
};

}  // namespace skelmora::app
