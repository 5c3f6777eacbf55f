#include "views/view_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QPen>
#include <QPixmap>
#include <QPointer>
#include <QRubberBand>
#include <QStyle>
#include <QToolButton>
#include <functional>
#include <utility>

#include "model/shown_calculations.h"
#include "model/undo.h"
#include "views/key_step_dialog.h"
#include "views/paint_list.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

// The marker reader may refuse a file in the middle of a paint. A message
// box there would run an event loop inside the paint, so its texts wait
// until the paint has ended.
class DeferringPrompter : public Prompter {
 public:
  // target gives the prompter in effect when the message is shown.
  DeferringPrompter(QWidget* owner, std::function<Prompter*()> target)
      : owner_(owner), target_(std::move(target)) {}

  bool AskYesNo(const std::string&) override { return false; }
  void ShowError(const std::string& text) override { Post(text, true); }
  void ShowInformation(const std::string& text) override { Post(text, false); }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }

 private:
  void Post(const std::string& text, bool error) {
    QPointer<QWidget> owner = owner_;
    QMetaObject::invokeMethod(
        owner_,
        [owner, target = target_, text, error] {
          if (!owner) return;
          if (Prompter* prompter = target()) {
            error ? prompter->ShowError(text) : prompter->ShowInformation(text);
          } else if (error) {
            QMessageBox::critical(owner, QApplication::applicationName(),
                                  QString::fromStdString(text));
          } else {
            QMessageBox::information(owner, QApplication::applicationName(),
                                     QString::fromStdString(text));
          }
        },
        Qt::QueuedConnection);
  }

  QWidget* owner_;
  std::function<Prompter*()> target_;
};

const char* ObjectNameFor(ViewId view) {
  switch (view) {
    case kBodyView:
      return "fbody";
    case kPlanView:
      return "fplan";
    case kProfileView:
      return "fprofile";
    case kPerspectiveView:
      break;
  }
  return "fperspective";
}

const char* CloseCaptionFor(ViewId view) {
  switch (view) {
    case kBodyView:
      return "&Close Body View";
    case kPlanView:
      return "&Close Plan View";
    case kProfileView:
      return "&Close Profile View";
    case kPerspectiveView:
      break;
  }
  return "&Close Perspective View";
}

}  // namespace

ViewWindow::ViewWindow(ViewId view, AppState& state, QWidget* parent)
    : QWidget(parent), state_(state), view_(view), scratch_(std::make_unique<DrawScratch>()) {
  viewState_.view = view;
  ownPrompter_ = std::make_unique<DeferringPrompter>(
      this, [this] { return prompter_ ? prompter_ : state_.prompter; });
  setObjectName(ObjectNameFor(view));
  setWindowTitle(captionFor(view));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(120, 90);

  const bool perspective = view == kPerspectiveView;
  hBar_ = new QScrollBar(Qt::Horizontal, this);
  vBar_ = new QScrollBar(Qt::Vertical, this);
  hBar_->setObjectName(perspective ? "azscroll" : "horzscroll");
  vBar_->setObjectName(perspective ? "elscroll" : "vertscroll");
  for (QScrollBar* bar : {hBar_, vBar_}) {
    bar->setFocusPolicy(Qt::NoFocus);
    if (perspective) {
      bar->setRange(-90, 90);
      bar->setSingleStep(1);
      bar->setPageStep(10);
    } else {
      bar->setRange(kScrollMin, kScrollMax);
      bar->setSingleStep(kScrollSmallStep);
      bar->setPageStep(kScrollLargeStep);
    }
    bar->hide();
  }
  // Up means more: a larger vertical position shows higher parts of the
  // picture (and a higher elevation).
  vBar_->setInvertedAppearance(true);
  vBar_->setInvertedControls(true);
  if (perspective) {
    connect(hBar_, &QScrollBar::valueChanged, this, [this](int value) {
      state_.design.PerspectiveAzimuth = value;
      state_.Regenerate(Change::kOneView);
      update();
    });
    connect(vBar_, &QScrollBar::valueChanged, this, [this](int value) {
      state_.design.PerspectiveElevation = value;
      state_.Regenerate(Change::kOneView);
      update();
    });
  } else {
    connect(hBar_, &QScrollBar::valueChanged, this, &ViewWindow::onScroll);
    connect(vBar_, &QScrollBar::valueChanged, this, &ViewWindow::onScroll);
  }

  band_ = new QRubberBand(QRubberBand::Rectangle, this);

  if (view == kBodyView) {
    // While a heel is shown, the way back to the upright hull is one click.
    upright_ = new QToolButton(this);
    upright_->setObjectName("UprightButton");
    upright_->setText(tr("&Upright"));
    upright_->setToolTip(tr("Show the hull upright again"));
    upright_->setFocusPolicy(Qt::NoFocus);
    upright_->hide();
    connect(upright_, &QToolButton::clicked, this, &ViewWindow::showUpright);
  }

  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  popup_->addAction(tr(CloseCaptionFor(view)), this, &ViewWindow::closeView);
  QAction* zoomOffAction = popup_->addAction(tr("&Zoom Off"), this, &ViewWindow::zoomOff);
  zoomOffAction->setObjectName("ZoomOff");
  popup_->addAction(tr("&Set Key Move Step Size"), this, [this] {
    TKeymovestepchng dialog(state_.interaction, this);
    dialog.exec();
  });
  connect(popup_, &QMenu::aboutToShow, this,
          [this, zoomOffAction] { zoomOffAction->setEnabled(isZoomed()); });
}

ViewWindow::~ViewWindow() = default;

QString ViewWindow::captionFor(ViewId view) {
  switch (view) {
    case kBodyView:
      return QStringLiteral("Body View");
    case kPlanView:
      return QStringLiteral("Plan View");
    case kProfileView:
      return QStringLiteral("Profile View");
    case kPerspectiveView:
      break;
  }
  return QStringLiteral("Perspective View");
}

bool ViewWindow::isZoomed() const { return state_.design.ViewZoomed[view_]; }

bool ViewWindow::isOpen() const { return ViewOpenFlag(state_.design, view_); }

bool ViewWindow::scrollBarsShown() const { return isZoomed(); }

QRect ViewWindow::clientRect() const {
  QRect r = rect();
  if (scrollBarsShown()) {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    r.setWidth(std::max(1, r.width() - extent));
    r.setHeight(std::max(1, r.height() - extent));
  }
  return r;
}

void ViewWindow::layOutScrollBars() {
  const bool shown = scrollBarsShown();
  if (shown) {
    const QRect client = clientRect();
    hBar_->setGeometry(0, client.height(), client.width(), height() - client.height());
    vBar_->setGeometry(client.width(), 0, width() - client.width(), client.height());
  }
  hBar_->setVisible(shown);
  vBar_->setVisible(shown);
}

bool& ViewWindow::openFlag() { return ViewOpenFlag(state_.design, view_); }


bool ViewWindow::sectionsShown() const {
  const HullDesign& d = state_.design;
  return !d.ShowSurface && (d.ShowStations || d.ShowWaterlines || d.ShowButtocks ||
                            d.SpecialStationsOn || d.SpecialWaterlinesOn || d.SpecialButtocksOn);
}

void ViewWindow::build() {
  HullDesign& d = state_.design;
  const QRect client = clientRect();
  viewState_.clientWidth = client.width();
  viewState_.clientHeight = client.height();

  DrawInputs inputs;
  inputs.options = &state_.viewOptions;
  inputs.attached = attached_ ? attached_ : &state_.attached;
  inputs.prompter = ownPrompter_.get();
  inputs.calculations = ShownCalculations(state_);
  // The hourglass while sections are cut, but not at every step of a drag.
  const bool hourglass = d.DesignOpen && sectionsShown() && !state_.interaction.dragging;
  if (hourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  BuildView(d, *state_.surface, viewState_, inputs, *scratch_, list_);
  if (hourglass) QGuiApplication::restoreOverrideCursor();
  showHeelState();

  if (d.DesignOpen && openFlag() && d.ShowVertexNet) {
    AddSelectionMark(d, *state_.surface, view_, viewState_.mapping, list_);
    const ArmedMode armed = state_.interaction.armed;
    if (armed == ArmedMode::kStraighten || armed == ArmedMode::kSmooth ||
        armed == ArmedMode::kOffset) {
      for (const ToolMark& mark : state_.toolMarks) {
        if (mark.view != view_) continue;
        AddToolMark(d, *state_.surface, view_, viewState_.mapping, mark.column, mark.row,
                    mark.text, list_);
      }
    }
  }
}

double ViewWindow::shownHeel(bool& heeled) const {
  const CalculationRecords* records = ShownCalculations(state_);
  const int step = state_.viewOptions.heelStep;
  heeled = view_ == kBodyView && records && step >= 0 &&
           step < static_cast<int>(records->heelSteps.size());
  return heeled ? records->heelSteps[static_cast<size_t>(step)].heel : 0.0;
}

void ViewWindow::showHeelState() {
  bool heeled = false;
  const double heel = shownHeel(heeled);
  const QString caption =
      heeled ? captionFor(view_) + QStringLiteral(" - heeled ") + FixedText(heel, 1) + QChar(0x00B0)
             : captionFor(view_);
  if (windowTitle() != caption) setWindowTitle(caption);
  if (!upright_) return;
  if (heeled) {
    const QSize size = upright_->sizeHint();
    upright_->setGeometry(clientRect().right() - size.width() - 4, 4, size.width(), size.height());
  }
  upright_->setVisible(heeled);
}

void ViewWindow::showUpright() {
  if (state_.viewOptions.heelStep < 0) return;
  state_.viewOptions.heelStep = -1;
  ZoomOff(state_.design, viewState_);
  update();
}

void ViewWindow::paintEvent(QPaintEvent* event) {
  if (hBar_->isVisible() != scrollBarsShown()) layOutScrollBars();
  // A paint of the whole drawing area builds the list afresh; a partial
  // expose (the rubber band moving, a window uncovering part of this one)
  // repaints the last list. While XOR feedback is shown the list stays the
  // one the drag started from.
  if (!feedback_ && QRegion(clientRect()).subtracted(event->region()).isEmpty()) build();

  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(state_.design.PaperColor));
  painter.setClipRect(clientRect());
  PaintDisplayList(painter, list_, viewState_.mapping);
  if (feedback_) {
    PaintXorLines(painter, feedbackOld_, viewState_.mapping, state_.design.PaperColor);
    PaintXorLines(painter, feedbackNew_, viewState_.mapping, state_.design.PaperColor);
  }
}

void ViewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ZoomOff(state_.design, viewState_);
  layOutScrollBars();
  update();
}

void ViewWindow::startFeedback(bool line) {
  feedback_ = true;
  const VertexIndex held = SelectedVertex(state_.design);
  feedbackOld_.Clear();
  if (line) {
    const bool row = state_.interaction.moveSettings.moveRow;
    AddMovedLine(state_.design, *state_.surface, view_, viewState_.mapping, row,
                 row ? held.row : held.column, feedbackOld_);
  } else {
    AddNetDragSegments(state_.design, *state_.surface, view_, viewState_.mapping, held.column,
                       held.row, feedbackOld_);
  }
  feedbackNew_ = feedbackOld_;
}

void ViewWindow::stopFeedback() {
  feedback_ = false;
  feedbackOld_.Clear();
  feedbackNew_.Clear();
}

void ViewWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  HullDesign& d = state_.design;
  if (!d.DesignOpen || !openFlag()) return;
  const QPointF pos = event->position();
  const LogicalPoint mouse = viewState_.mapping.ToLogical(pos.x(), pos.y());
  const MouseButton button =
      event->button() == Qt::RightButton ? MouseButton::kRight : MouseButton::kLeft;
  keyRun_ = {};  // a press ends a run of arrow keys
  const VertexIndex pickedBefore{d.PickedColumn, d.PickedRow};
  const PressAction action = MousePress(d, *state_.surface, view_, viewState_.mapping,
                                        state_.viewOptions, state_.interaction, button, mouse);
  using Kind = PressAction::Kind;
  switch (action.kind) {
    case Kind::kZoomStarted:
      bandOrigin_ = pos.toPoint();
      band_->setGeometry(QRect(bandOrigin_, QSize()));
      band_->show();
      return;
    case Kind::kStartDrag:
    case Kind::kStartLineMove:
      state_.TakeSnapshot();
      emit snapshotTaken();
      if (action.kind == Kind::kStartLineMove || !state_.interaction.realTimeHull) {
        startFeedback(action.kind == Kind::kStartLineMove);
      }
      break;
    case Kind::kNone:
      break;
    default:
      emit pressCommand(action);
      break;
  }
  // The selection mark follows the pick in every view, a miss included.
  if (d.PickedColumn != pickedBefore.column || d.PickedRow != pickedBefore.row) {
    emit viewsNeedRepaint();
  }
  update();
}

void ViewWindow::mouseMoveEvent(QMouseEvent* event) {
  HullDesign& d = state_.design;
  if (!d.DesignOpen || !openFlag()) return;
  updateCursor();
  const QPointF pos = event->position();
  const LogicalPoint mouse = viewState_.mapping.ToLogical(pos.x(), pos.y());
  const MoveAction action =
      MouseMove(d, *state_.surface, view_, viewState_.mapping, state_.interaction, mouse);
  emit cursorReadout(QString::fromStdString(action.hText), QString::fromStdString(action.vText));

  if (band_->isVisible() && state_.interaction.zoomPressed) {
    band_->setGeometry(QRect(bandOrigin_, pos.toPoint()).normalized());
  }
  if (action.vertexMoved && !action.gridUpdated && feedback_) {
    const VertexIndex held = SelectedVertex(d);
    feedbackNew_.Clear();
    AddNetDragSegments(d, *state_.surface, view_, viewState_.mapping, held.column, held.row,
                       feedbackNew_);
  }
  if (action.lineMoved && feedback_) {
    const VertexIndex held = SelectedVertex(d);
    const bool row = state_.interaction.moveSettings.moveRow;
    feedbackNew_.Clear();
    AddMovedLine(d, *state_.surface, view_, viewState_.mapping, row, row ? held.row : held.column,
                 feedbackNew_);
  }
  if (action.vertexMoved || action.lineMoved) update();
}

void ViewWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  HullDesign& d = state_.design;
  if (!d.DesignOpen || !openFlag()) return;
  const QPointF pos = event->position();
  const LogicalPoint mouse = viewState_.mapping.ToLogical(pos.x(), pos.y());
  const ReleaseAction action =
      MouseRelease(d, *state_.surface, viewState_, state_.interaction, mouse);
  band_->hide();
  const bool hadFeedback = feedback_;
  stopFeedback();
  using Kind = ReleaseAction::Kind;
  switch (action.kind) {
    case Kind::kHighlightChanged:
      emit designEdited();
      emit viewsNeedRepaint();
      break;
    case Kind::kZoomChanged:
      for (QScrollBar* bar : {hBar_, vBar_}) {
        if (view_ == kPerspectiveView) break;
        const QSignalBlocker block(bar);
        bar->setValue(0);
      }
      layOutScrollBars();
      break;
    case Kind::kDragEnded:
    case Kind::kLineMoveEnded:
      emit designEdited();
      emit viewsNeedRepaint();
      break;
    case Kind::kNone:
      break;
  }
  if (action.kind != Kind::kNone || hadFeedback) update();
  updateCursor();
  emit pressEnded();
}

void ViewWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (view_ == kPerspectiveView) {
    // The perspective window has no menu: a double click turns it off.
    SetViewOpen(state_.design, view_, false);
    drawingTurnedOff();
    update();
    return;
  }
  popup_->popup(mapToGlobal(QPoint(10, 100)));
}

void ViewWindow::keyPressEvent(QKeyEvent* event) {
  ArrowKey key;
  switch (event->key()) {
    case Qt::Key_Left:
      key = ArrowKey::kLeft;
      break;
    case Qt::Key_Right:
      key = ArrowKey::kRight;
      break;
    case Qt::Key_Up:
      key = ArrowKey::kUp;
      break;
    case Qt::Key_Down:
      key = ArrowKey::kDown;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  HullDesign& d = state_.design;
  if (!d.DesignOpen || !openFlag() || view_ == kPerspectiveView) return;
  const VertexIndex selected = SelectedVertex(d);
  if (!selected.valid()) return;
  // One undo step for a run of arrow keys. A run ends at a press, when the
  // window gains focus, with another vertex, or once the history has moved.
  if (selected.column != keyRun_.column || selected.row != keyRun_.row ||
      d.UndoCount != keyRunUndoCount_) {
    state_.TakeSnapshot();
    emit snapshotTaken();
    keyRun_ = selected;
    keyRunUndoCount_ = d.UndoCount;
  }
  std::string h, v;
  if (!KeyMove(d, *state_.surface, view_, state_.interaction, key, &h, &v)) return;
  emit cursorReadout(QString::fromStdString(h), QString::fromStdString(v));
  emit designEdited();
  update();
}

void ViewWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  keyRun_ = {};  // the vertex may have been picked or moved elsewhere
  InteractionState& interaction = state_.interaction;
  if ((interaction.dragging || interaction.zoomPressed) && interaction.pressView != view_) {
    CancelPress(interaction);
  }
}

void ViewWindow::closeEvent(QCloseEvent* event) {
  // The window lives for the whole run; closing only turns its drawing off.
  closeView();
  event->ignore();
}

void ViewWindow::onScroll() {
  viewState_.scrollX = hBar_->value();
  viewState_.scrollY = vBar_->value();
  update();
}

void ViewWindow::openView() {
  SetViewOpen(state_.design, view_, true);
  // The perspective's fit box is only computed while its view is open.
  state_.Regenerate(Change::kOneView);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->show();
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  }
  show();
  update();
}

void ViewWindow::closeView() {
  SetViewOpen(state_.design, view_, false);
  drawingTurnedOff();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->hide();
  } else {
    hide();
  }
}

void ViewWindow::refit() {
  state_.Regenerate(Change::kOneView);
  update();
}

void ViewWindow::zoomOff() {
  ZoomOff(state_.design, viewState_);
  if (view_ != kPerspectiveView) {
    for (QScrollBar* bar : {hBar_, vBar_}) {
      const QSignalBlocker block(bar);
      bar->setValue(0);
    }
    viewState_.scrollX = viewState_.scrollY = 0;
  }
  layOutScrollBars();
  update();
}

void ViewWindow::fitToWindow() { zoomOff(); }

QCursor ViewWindow::SelectCursor() {
  static const QCursor cursor = [] {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // White under black keeps the cursor visible on any paper colour.
    for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
      painter.setPen(QPen(colour, width));
      painter.drawLine(16, 2, 16, 11);
      painter.drawLine(16, 21, 16, 30);
      painter.drawLine(2, 16, 11, 16);
      painter.drawLine(21, 16, 30, 16);
      painter.drawRect(12, 12, 8, 8);
    }
    return QCursor(pixmap, 16, 16);
  }();
  return cursor;
}

void ViewWindow::setUseSelectCursor(bool on) {
  useSelectCursor_ = on;
  updateCursor();
}

void ViewWindow::updateCursor() {
  const HullDesign& d = state_.design;
  const InteractionState& interaction = state_.interaction;
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (d.DesignOpen && (interaction.armed != ArmedMode::kNone || d.HighlightPending)) {
    shape = Qt::PointingHandCursor;
  } else if (d.DesignOpen && view_ != kPerspectiveView && d.ShowVertexNet) {
    shape = useSelectCursor_ ? Qt::BitmapCursor : Qt::CrossCursor;
  }
  // Called at every mouse move: only a change reaches the window system.
  if (cursor().shape() == shape) return;
  if (shape == Qt::BitmapCursor) {
    setCursor(SelectCursor());
  } else {
    setCursor(shape);
  }
}

void ViewWindow::renderForPrint(QPainter& painter, const QRect& page) {
  HullDesign& d = state_.design;
  painter.save();
  painter.setClipRect(page);
  painter.fillRect(page, ToQColor(d.PaperColor));
  painter.translate(page.topLeft());
  PaintStyle style;
  // A line about as wide as one screen pixel.
  style.lineWidth = std::max(1, qRound(painter.device()->logicalDpiX() / 96.0));
  if (!isZoomed()) {
    ViewState pageState;
    pageState.view = view_;
    pageState.clientWidth = page.width();
    pageState.clientHeight = page.height();
    DrawInputs inputs;
    inputs.options = &state_.viewOptions;
    inputs.attached = attached_ ? attached_ : &state_.attached;
    inputs.prompter = ownPrompter_.get();
    inputs.calculations = ShownCalculations(state_);
    DisplayList list;
    BuildView(d, *state_.surface, pageState, inputs, *scratch_, list);
    PaintDisplayList(painter, list, pageState.mapping, style);
  } else {
    // The zoomed picture as the window shows it, scaled onto the page.
    const QRect client = clientRect();
    const double k = std::min(double(page.width()) / client.width(),
                              double(page.height()) / client.height());
    painter.scale(k, k);
    style.messageOrigin /= k;
    PaintDisplayList(painter, list_, viewState_.mapping, style);
  }
  painter.restore();
}

// --- Tfperspective ----------------------------------------------------------

Tfperspective::Tfperspective(AppState& state, QWidget* parent)
    : ViewWindow(kPerspectiveView, state, parent) {
  timer_.setInterval(2000);
  connect(&timer_, &QTimer::timeout, this, &Tfperspective::animationTick);
}

void Tfperspective::paintEvent(QPaintEvent* event) {
  // The bars show the design's angles (a design file brings its own).
  for (auto [bar, angle] : {std::pair{horizontalBar(), state_.design.PerspectiveAzimuth},
                            std::pair{verticalBar(), state_.design.PerspectiveElevation}}) {
    const QSignalBlocker block(bar);
    bar->setValue(qRound(angle));
  }
  ViewWindow::paintEvent(event);
}

void Tfperspective::prepareAnimation() {
  state_.design.PerspectiveElevation = -30;
  state_.design.PerspectiveAzimuth = -50;
  zoomOff();
  openView();
}

void Tfperspective::startAnimation(int intervalMs) {
  state_.design.PerspectiveElevation = -30;
  state_.design.PerspectiveAzimuth = -50;
  timer_.setInterval(intervalMs);
  timer_.start();
}

void Tfperspective::stopAnimation() { timer_.stop(); }

void Tfperspective::animationTick() {
  if (ticking_) return;
  const QScopedValueRollback<bool> ticking(ticking_, true);
  HullDesign& d = state_.design;
  if (!d.DesignOpen || !d.PerspectiveViewOpen) {
    timer_.stop();
    return;
  }
  d.PerspectiveAzimuth += 25;
  state_.Regenerate(Change::kOneView);
  QCoreApplication::processEvents();
  repaint();
  if (d.PerspectiveAzimuth > 25) {
    d.PerspectiveElevation += 10;
    d.PerspectiveAzimuth = -50;
  }
  if (d.PerspectiveElevation > 20) timer_.stop();
}

// --- ViewSet ----------------------------------------------------------------

ViewSet::ViewSet(AppState& state, QObject* parent) : QObject(parent), state_(state) {
  profile_ = new Tfprofile(state);
  perspective_ = new Tfperspective(state);
  body_ = new Tfbody(state);
  plan_ = new Tfplan(state);
  for (ViewWindow* window : all()) {
    connect(window, &ViewWindow::viewsNeedRepaint, this, &ViewSet::repaintAll);
  }
}

ViewSet::~ViewSet() {
  for (ViewWindow* window : all()) {
    if (window && !window->parent()) delete window;
  }
}

ViewWindow* ViewSet::window(ViewId view) const {
  switch (view) {
    case kBodyView:
      return body_;
    case kPlanView:
      return plan_;
    case kProfileView:
      return profile_;
    case kPerspectiveView:
      break;
  }
  return perspective_;
}

void ViewSet::RefitViews() {
  // The session has taken the extents; each window fits them when it paints.
  for (ViewWindow* window : all()) {
    if (window) window->update();
  }
}

void ViewSet::RepaintViews() { repaintAll(); }

void ViewSet::repaintAll() {
  for (ViewWindow* window : all()) {
    if (window) window->update();
  }
}

void ViewSet::fitAll() {
  for (ViewWindow* window : all()) {
    if (window && window->isOpen()) window->fitToWindow();
  }
}

}  // namespace skelmora::app
