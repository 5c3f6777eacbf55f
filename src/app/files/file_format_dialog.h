// "File Type": which older layout the save flow writes.
#pragma once

#include <QDialog>
#include <memory>

#include "files/older_file.h"

namespace Ui {
class Tfileformatdlg;
}

namespace skelmora::app {

class Tfileformatdlg : public QDialog {
  Q_OBJECT
 public:
  explicit Tfileformatdlg(QWidget* parent = nullptr);
  ~Tfileformatdlg() override;

  // "Version 6 (New)" unless "Version 5 (Old)" is chosen; closing the
  // dialog any other way than OK keeps the choice shown.
  OlderVersion choice() const;
  void choose(OlderVersion version);

 private:
  std::unique_ptr<Ui::Tfileformatdlg> ui_;
};

}  // namespace skelmora::app
