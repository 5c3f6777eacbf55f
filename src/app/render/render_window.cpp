#include "render/render_window.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHideEvent>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QSlider>
#include <QToolButton>

#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#endif

#include "files/file_chooser.h"
#include "hydro/text_printing.h"
#include "render/gl_control_data.h"
#include "render/render_draw.h"
#include "render/render_messages.h"
#include "ui_render_window.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

TfrmNURBS::TfrmNURBS(DesignSession& session, Prompter& prompter, FileChooser& files,
                     const QPrinter& setupPrinter, QWidget* parent,
                     std::vector<std::filesystem::path> shippedControls)
    : QDialog(parent),
      session_(session),
      prompter_(prompter),
      files_(files),
      setupPrinter_(setupPrinter),
      shipped_(std::move(shippedControls)),
      ui_(new Ui::TfrmNURBS) {
  ui_->setupUi(this);
  setFixedSize(818, 727);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  ui_->Panel1->setStyleSheet(QStringLiteral(
      "QFrame#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2848c8, "
      "stop:1 #ffffff); } QGroupBox { color: white; font-weight: bold; }"
      "QGroupBox QRadioButton, QGroupBox QLabel { color: black; font-weight: normal; }"));

  quality_ = new QButtonGroup(this);
  quality_->addButton(ui_->renderqualLow, 0);
  quality_->addButton(ui_->renderqualMedium, 1);
  quality_->addButton(ui_->renderqualHigh, 2);
  connect(quality_, &QButtonGroup::idClicked, this, [this] { Redraw(); });

  const std::pair<QSlider*, int> sliders[] = {
      {ui_->hullred, 0}, {ui_->hullgreen, 1}, {ui_->hullblue, 2}};
  for (const auto& [slider, component] : sliders) {
    connect(slider, &QSlider::valueChanged, this,
            [this, component = component](int position) { SliderChanged(component, position); });
  }
  const std::pair<QToolButton*, RenderButton> buttons[] = {
      {ui_->lightupbtn, RenderButton::lightupbtn},   {ui_->lightdownbtn, RenderButton::lightdownbtn},
      {ui_->lightleftbtn, RenderButton::lightleftbtn}, {ui_->lightrightbtn, RenderButton::lightrightbtn},
      {ui_->zoomin, RenderButton::zoomin},           {ui_->zoomout, RenderButton::zoomout},
      {ui_->moveup, RenderButton::moveup},           {ui_->movedown, RenderButton::movedown},
      {ui_->moveleft, RenderButton::moveleft},       {ui_->moveright, RenderButton::moveright},
      {ui_->up, RenderButton::up},                   {ui_->down, RenderButton::down},
      {ui_->left, RenderButton::left},               {ui_->right, RenderButton::right},
      {ui_->rollleft, RenderButton::rollleft},       {ui_->rollright, RenderButton::rollright}};
  for (const auto& [button, which] : buttons) {
    connect(button, &QToolButton::clicked, this, [this, which = which] {
      SetLowQuality();
      ApplyRenderButton(view_, which);
      Redraw();
    });
  }
  connect(ui_->Button3, &QPushButton::clicked, this, &TfrmNURBS::Button3Click);
  connect(ui_->Button1, &QPushButton::clicked, this, &TfrmNURBS::Button1Click);
  connect(ui_->Button4, &QPushButton::clicked, this, &TfrmNURBS::Button4Click);
  connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::accept);

  // OnCreate
  std::fegetenv(&SavedFpuControl_);
  view_.HullDiffuse = {SliderDiffuse(ui_->hullred->value()), SliderDiffuse(ui_->hullgreen->value()),
                       SliderDiffuse(ui_->hullblue->value())};
}

TfrmNURBS::~TfrmNURBS() {
  if (masked_) FormClose();
}

int TfrmNURBS::quality() const { return std::max(quality_->checkedId(), 0); }

void TfrmNURBS::Open() {
  if (!session_.design.DesignOpen) return;
  if (!LoadControl()) {
    prompter_.ShowError(host_.FailureMessage().toStdString());
    return;
  }
  exec();
}

bool TfrmNURBS::LoadControl() {
  if (host_.ready()) return true;
  const std::vector<uint8_t> stored(std::begin(kGlControlData), std::end(kGlControlData));
  if (host_.Load(ui_->GL, stored, shipped_) != RenderHost::Status::kReady) return false;
  host_.setDrawHandler([this](hosting::Dispatch& control) { OnDraw(control); });
  host_.setGeometry(0, 0, ui_->GL->width(), ui_->GL->height());
  return true;
}

void TfrmNURBS::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TfrmNURBS::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) FormClose();
}

void TfrmNURBS::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TfrmNURBS::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TfrmNURBS::FormShow() {
  // Every exception masked, round to nearest, and on x87 64-bit precision.
  std::fenv_t held;
  std::feholdexcept(&held);
  std::fesetround(FE_TONEAREST);
#if defined(__x86_64__) || defined(__i386__)
  fpu_control_t word = 0x133F;
  _FPU_SETCW(word);
#endif
  masked_ = true;
  SetLowQuality();
  ResetRenderView(view_, ui_->hullred->value(), ui_->hullgreen->value(), ui_->hullblue->value());
  RebuildControlPoints();
  Redraw();
}

void TfrmNURBS::FormClose() {
  std::fesetenv(&SavedFpuControl_);
  masked_ = false;
}

void TfrmNURBS::FormActivate() {
  RebuildControlPoints();
  Redraw();
}

void TfrmNURBS::FormResize() {
  SetLowQuality();
  // The control takes what the panel leaves.
  ui_->GL->setGeometry(0, 0, width(), std::max(height() - ui_->Panel1->height(), 1));
  ui_->Panel1->move(0, ui_->GL->height());
  host_.setGeometry(0, 0, ui_->GL->width(), ui_->GL->height());
  Redraw();
}

void TfrmNURBS::SetLowQuality() { ui_->renderqualLow->setChecked(true); }

void TfrmNURBS::Redraw() {
  if (isVisible()) host_.Refresh();
}

void TfrmNURBS::RebuildControlPoints() {
  if (!session_.design.ExtentsValid) session_.Regenerate(Change::kExtents);
  BuildRenderControlPoints(*session_.surface, *points_);
}

void TfrmNURBS::SliderChanged(int component, int position) {
  SetLowQuality();
  view_.HullDiffuse[static_cast<size_t>(component)] = SliderDiffuse(position);
  Redraw();
}

void TfrmNURBS::OnDraw(hosting::Dispatch& control) {
  ++draws_;
  const QWidget* gl = host_.controlWidget();
  // The picture keeps its proportions: the aspect is the control's own.
  const double aspect =
      gl && gl->height() > 0 ? static_cast<double>(gl->width()) / gl->height() : 818.0 / 602.0;
  DrawRenderedHull(control, view_, quality(), aspect, *points_);
}

QImage TfrmNURBS::CapturePicture() { return host_.Capture(); }

bool TfrmNURBS::PrintPicture(QPrinter& printer, const QImage& picture) {
  WaitCursor wait;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const PrintPlacement place = PlacePrintedImage(printer.width(), printer.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(place.left, place.top, place.width, place.height), picture);
  return painter.end();
}

void TfrmNURBS::Button3Click() {
  const QImage picture = CapturePicture();
  if (picture.isNull()) {
    prompter_.ShowError(kNothingCapturedMessage);
    return;
  }
  QPrinter job(QPrinter::HighResolution);
  CopyPrinterSettings(setupPrinter_, job);
  // A job that would print nowhere goes to a PDF file the user confirms.
  const bool nowhere = job.outputFormat() == QPrinter::NativeFormat
                           ? job.printerName().isEmpty()
                           : job.outputFileName().isEmpty();
  if (noPrinterDialog_ && nowhere) {
    job.setOutputFormat(QPrinter::PdfFormat);
    job.setOutputFileName(noPrinterFile_ ? noPrinterFile_(QStringLiteral("realistic-hull"))
                                         : QString());
    if (!noPrinterDialog_(job, this)) return;
  }
  if (!PrintPicture(job, picture)) prompter_.ShowError(kPrinterNotStartedMessage);
}

void TfrmNURBS::setNoPrinterDialog(PrintDialogRunner dialog, PrintFileNamer namer) {
  noPrinterDialog_ = std::move(dialog);
  noPrinterFile_ = std::move(namer);
}

void TfrmNURBS::Button1Click() {
  const QImage picture = CapturePicture();
  if (picture.isNull()) {
    prompter_.ShowError(kNothingCapturedMessage);
    return;
  }
  QGuiApplication::clipboard()->setImage(picture);
}

void TfrmNURBS::Button4Click() {
  // SavebmpDialog
  FileRequest request;
  request.caption = QStringLiteral("Save Rendered Image to Bitmap File");
  request.fileName = QStringLiteral("SkRender.bmp");
  request.filters = QStringLiteral("Bitmap Files|*.bmp");
  request.defaultSuffix = QStringLiteral("bmp");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(this, request);
  if (!chosen) return;
  const QImage picture = CapturePicture();
  if (picture.isNull()) {
    prompter_.ShowError(kNothingCapturedMessage);
    return;
  }
  // Written beside the target and renamed over it: a failed save keeps the old file.
  QSaveFile file(chosen->path);
  if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP") || !file.commit()) {
    prompter_.ShowError(QString::fromUtf8(kBitmapNotWrittenMessage).arg(chosen->path).toStdString());
  }
}

}  // namespace skelmora::app
