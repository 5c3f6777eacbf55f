// Help › "&About..." and, without its OK button, the start-up screen.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace skelmora::app {

inline constexpr const char* kProductTitle = "Skelmora";

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

  // The start-up screen: frameless, without its button, deleted when
  // closed; a click closes it.
  static TAboutBox* ShowSplash();
  // Closes the start-up screen `milliseconds` after the main window is up.
  void finishAfter(QWidget* mainWindow, int milliseconds);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::unique_ptr<Ui::TAboutBox> ui_;
  bool splash_ = false;
};

}  // namespace skelmora::app
