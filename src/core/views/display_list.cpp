#include "views/display_list.h"

namespace skelmora {

void DisplayList::Clear() {
  items_.clear();
  polylines_.clear();
  squares_.clear();
  labels_.clear();
  messages_.clear();
  points_.clear();
  runOpen_ = false;
}

void DisplayList::BeginRun(Rgb color, Element element, int32_t index, int8_t side) {
  EndRun();
  run_ = Polyline{};
  run_.first = static_cast<uint32_t>(points_.size());
  run_.color = color;
  run_.element = element;
  run_.index = index;
  run_.side = side;
  runOpen_ = true;
}

void DisplayList::Add(LogicalPoint point) {
  if (!runOpen_) return;
  points_.push_back(point);
}

void DisplayList::Break() {
  if (!runOpen_) return;
  const Polyline next = run_;
  BeginRun(next.color, next.element, next.index, next.side);
}

void DisplayList::EndRun() {
  if (!runOpen_) return;
  runOpen_ = false;
  run_.count = static_cast<uint32_t>(points_.size()) - run_.first;
  // A lone point is only a move: nothing to paint.
  if (run_.count < 2) {
    points_.resize(run_.first);
    return;
  }
  items_.push_back({Kind::kPolyline, static_cast<uint32_t>(polylines_.size())});
  polylines_.push_back(run_);
}

void DisplayList::AddSegment(LogicalPoint a, LogicalPoint b, Rgb color, Element element,
                             int32_t index) {
  BeginRun(color, element, index);
  Add(a);
  Add(b);
  EndRun();
}

void DisplayList::AddSquare(const Square& square) {
  EndRun();
  items_.push_back({Kind::kSquare, static_cast<uint32_t>(squares_.size())});
  squares_.push_back(square);
}

void DisplayList::AddLabel(LogicalPoint anchor, Rgb color, Element element, std::string_view text) {
  EndRun();
  items_.push_back({Kind::kLabel, static_cast<uint32_t>(labels_.size())});
  Label& label = labels_.emplace_back();
  label.anchor = anchor;
  label.color = color;
  label.element = element;
  label.text.assign(text);
}

void DisplayList::AddMessage(Rgb color, std::string_view text) {
  EndRun();
  items_.push_back({Kind::kMessage, static_cast<uint32_t>(messages_.size())});
  Message& message = messages_.emplace_back();
  message.color = color;
  message.text.assign(text);
}

}  // namespace skelmora
