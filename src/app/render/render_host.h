// Hosting the Vistrel control: found in the registry by class id (a copy
// shipped with the program is registered first when the class is missing),
// created inside a parent widget from stored control data, called by
// dispatch id, its Draw event handed to a callback. The control library is
// never linked; it is loaded here at run time.
#pragma once

#include <QImage>
#include <QString>

#include <filesystem>
#include <functional>
#include <vector>

#include "control.h"

class QWidget;

namespace skelmora::app {

// The copies of libvistrel.so the program registers when the class is not
// registered yet: beside the executable, the installed library directory,
// and the build tree's.
std::vector<std::filesystem::path> ShippedControlLibraries();

class RenderHost : private hosting::ControlSite, private hosting::EventSink {
 public:
  enum class Status { kReady, kNotRegistered, kNotLoaded, kNoContext };

  RenderHost() = default;
  ~RenderHost() override;
  RenderHost(const RenderHost&) = delete;
  RenderHost& operator=(const RenderHost&) = delete;

  // Creates the control's window in parent. Again after a success it does
  // nothing; after a failure it tries again (the user may have registered
  // the control meanwhile).
  Status Load(QWidget* parent, std::vector<uint8_t> storedData,
              const std::vector<std::filesystem::path>& shipped);
  // The message for a failed Load, naming what to do.
  QString FailureMessage() const;
  bool ready() const { return control_ != nullptr; }

  hosting::Dispatch& control() { return *control_; }
  QWidget* controlWidget() const;
  void setGeometry(int x, int y, int width, int height);
  // Runs the Draw callback each time the control raises Draw.
  void setDrawHandler(std::function<void(hosting::Dispatch&)> draw) { draw_ = std::move(draw); }
  // The control's Refresh: a synchronous repaint through Draw.
  void Refresh();
  // The picture at the control's size: it repaints once and reads the
  // pixels the Draw event left, before they are shown; failing that, the
  // window's pixels found by its hWnd. Null when neither works.
  QImage Capture();
  // The control's data as a host stores it.
  std::vector<uint8_t> SaveData() const;

 private:
  // ControlSite
  void* parentWindow() override { return parent_; }
  std::vector<uint8_t> storedData() const override { return stored_; }
  // EventSink
  void onEvent(hosting::DispId id, std::span<hosting::Variant> args) override;

  QWidget* parent_ = nullptr;
  std::vector<uint8_t> stored_;
  hosting::Control* control_ = nullptr;
  std::function<void(hosting::Dispatch&)> draw_;
  Status status_ = Status::kNotRegistered;
  QString detail_;
  bool capturing_ = false;
  QImage captured_;
};

}  // namespace skelmora::app
