// TfrmNURBS, "SKELMORA 98 Hull Rendering": the lit, shaded hull drawn by
// the Vistrel control that the window hosts (loaded by class id, called by
// dispatch id). Its buttons turn, move and zoom the view, move the light and
// recolour the hull, each returning Quality to "Low" first; the picture can
// be printed, copied or saved as a bitmap. The floating-point environment is
// masked while the window is shown and put back when it closes.
#pragma once

#include <QDialog>

#include <cfenv>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/design_session.h"
#include "model/prompter.h"
#include "hydro/text_printing.h"
#include "render/render_host.h"
#include "render/render_view.h"

class QButtonGroup;
class QPrinter;
class QSlider;

namespace Ui {
class TfrmNURBS;
}

namespace skelmora::app {

class FileChooser;

class TfrmNURBS : public QDialog {
  Q_OBJECT

 public:
  // Created with the other forms at start; the control is loaded the first
  // time the window opens. setupPrinter is the program's printer set-up,
  // which "Print Image" copies for each job.
  TfrmNURBS(DesignSession& session, Prompter& prompter, FileChooser& files,
            const QPrinter& setupPrinter, QWidget* parent = nullptr,
            std::vector<std::filesystem::path> shippedControls = ShippedControlLibraries());
  ~TfrmNURBS() override;

  // View › "Realistic 3D Hull": shows the window modally while a design is
  // open. Without the control it says what to do and returns.
  void Open();
  // Loads and places the control; false (with host().FailureMessage()) when
  // it cannot be had.
  bool LoadControl();

  RenderViewState& view() { return view_; }
  const RenderControlPoints& controlPoints() const { return *points_; }
  RenderHost& host() { return host_; }
  // 0 "Low", 1 "Medium", 2 "High".
  int quality() const;
  int drawCount() const { return draws_; }
  // The picture as Print, Clipboard and BMP take it.
  QImage CapturePicture();
  // The picture on a printer: 665 : 490, the largest that fits, centred.
  // False when the printer could not be started.
  static bool PrintPicture(QPrinter& printer, const QImage& picture);
  // With no printer set up, "Print Image" opens this print dialog on a PDF
  // file that the namer gives (the program's report printing does the same).
  void setNoPrinterDialog(PrintDialogRunner dialog, PrintFileNamer namer);

  // The form's handlers, by component name.
  void Button3Click();  // "&Print Image"
  void Button1Click();  // "&Save to Clipboard"
  void Button4Click();  // "Save to BMP File"

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormShow();
  void FormClose();
  void FormActivate();
  void FormResize();
  void OnDraw(hosting::Dispatch& control);
  void SetLowQuality();
  void Redraw();
  void RebuildControlPoints();
  void SliderChanged(int component, int position);

  DesignSession& session_;
  Prompter& prompter_;
  FileChooser& files_;
  const QPrinter& setupPrinter_;
  PrintDialogRunner noPrinterDialog_;
  PrintFileNamer noPrinterFile_;
  std::vector<std::filesystem::path> shipped_;
  std::unique_ptr<Ui::TfrmNURBS> ui_;
  QButtonGroup* quality_ = nullptr;
  RenderHost host_;
  RenderViewState view_;
  std::unique_ptr<RenderControlPoints> points_ = std::make_unique<RenderControlPoints>();
  std::fenv_t SavedFpuControl_{};
  bool masked_ = false;
  int draws_ = 0;
};

}  // namespace skelmora::app
