// "Edit Vertex Data": the right click on a vertex. One vertex's x, y, z and
// weight typed in, stepping through the net with the column and row
// up-downs; one undo step covers the whole session.
#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

#include "model/app_state.h"
#include "model/vertex_edit.h"

namespace Ui {
class Teditvertex;
}
class QLineEdit;
class QSpinBox;

namespace skelmora::app {

class Teditvertex : public QDialog {
  Q_OBJECT

 public:
  Teditvertex(AppState& state, QWidget* parent = nullptr);
  ~Teditvertex() override;

  // On show: the selected vertex.
  void prepare(Prompter& prompter);
  // Whether the last session changed any vertex (and kept the change).
  bool changed() const { return session_.changed; }
  // Cancel gave back what the session had stored (its undo step undone).
  bool restored() const { return restored_; }

  QSpinBox* columnUpDown() const;
  QSpinBox* rowUpDown() const;
  QLineEdit* xEdit() const;
  QLineEdit* yEdit() const;
  QLineEdit* zEdit() const;
  QLineEdit* weightEdit() const;

  // OK stores the fields; a weight not above 0 keeps it open. Cancel leaves
  // every vertex of the session as it was.
  void done(int result) override;

 private:
  void fill();
  VertexEditFields fields() const;
  void step(int column, int row);

  AppState& state_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<Ui::Teditvertex> ui_;
  VertexEditSession session_;
  bool restored_ = false;
};

}  // namespace skelmora::app
