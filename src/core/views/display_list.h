// What a view shows, as data: polylines, squares and texts in integer
// logical coordinates (y up) with a 0x00BBGGRR colour. Building it is the
// views' business, painting it the program's, so the windows, printing and
// tests all read the same list. A list is rebuilt in place: Clear() keeps
// the capacity, so after the first few builds a drag step does not allocate.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/hull_design.h"

namespace skelmora {

struct LogicalPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const LogicalPoint&, const LogicalPoint&) = default;
};

// What an item stands for. Painting needs only the colour; the kind lets
// tests, printing and hit-testing tell the elements apart.
enum class Element : uint8_t {
  kAxis,
  kNetColumn,        // index = column
  kNetRow,           // index = row
  kVertexSquare,     // index = column * 51 + row (ColumnOfSquare, RowOfSquare)
  kVertexLabel,      // "3,7"
  kHighlight,        // index = the highlighted row or column
  kStation,          // index = station number, 1-based
  kSpecialStation,   // index = list entry, 1-based
  kWaterline,        // index = waterline number; a piece or the loop
  kSpecialWaterline,
  kButtock,
  kSpecialButtock,
  kReferenceHull,
  kKeelRudder,       // index = part, 0-based
  kEdgeLine,         // index 0 = fairbody, 1 = sheer
  kMarker,           // index = marker point, 0-based
  kChineLine,        // index = chine position in its list (1-based), or the column / row for tension 1
  kSurfaceLineU,     // B-spline mode, the line over j at grid column i = index
  kSurfaceLineV,     // B-spline mode, the line over i at grid row j = index
  kSelection,        // the filled square around the selected vertex
  kToolMark,         // "X", "1", "2" at a vertex picked by a waiting row / column tool
  kDragFeedback,     // net segments or the moved line drawn in XOR while dragging
  kCentreOfBuoyancy,   // "Show Centres": the symbol's circle, its marks and its letter
  kCentreOfGravity,
  kCentreOfFlotation,
  kFlotationWaterline, // the z = 0 waterline; index 1 for a heeled picture's
  kHeeledSection,      // index = station of the heeled picture, 1-based
  kMessage,
};

// A connected run of points: a move to the first, lines to the rest.
// Runs always have at least two points.
struct Polyline {
  uint32_t first = 0;  // into DisplayList::points()
  uint32_t count = 0;
  Rgb color = 0;
  Element element = Element::kNetColumn;
  int32_t index = 0;
  // Perspective view: +1 for the stored side, -1 for its mirror; 0 elsewhere.
  int8_t side = 0;
};

// An axis-parallel square from centre - halfSize to centre + halfSize.
struct Square {
  LogicalPoint centre;
  int32_t halfSize = 0;
  Rgb color = 0;
  bool filled = false;  // the selection mark is filled, vertex squares are outlines
  Element element = Element::kVertexSquare;
  int32_t index = 0;
  int8_t side = 0;
};

// Text whose lower-left corner sits at the anchor's device position; the
// text itself is drawn upright at the device's font size, not scaled.
struct Label {
  LogicalPoint anchor;
  Rgb color = 0;
  Element element = Element::kVertexLabel;
  std::string text;
};

// A note about the drawing rather than part of it ("No Reference Hull In
// Memory"); painted at the window's top-left, one line each, in list order.
struct Message {
  Rgb color = 0;
  std::string text;
};

class DisplayList {
 public:
  enum class Kind : uint8_t { kPolyline, kSquare, kLabel, kMessage };
  // Painting order: every item in the order it was added.
  struct Item {
    Kind kind;
    uint32_t index;  // into the vector of that kind
  };

  // Empties the list but keeps every buffer's capacity.
  void Clear();

  // --- building ------------------------------------------------------------
  // Starts a new run (a move); the previous run ends, and is dropped if it
  // has fewer than two points.
  void BeginRun(Rgb color, Element element, int32_t index = 0, int8_t side = 0);
  // Adds a point to the current run; needs a BeginRun first.
  void Add(LogicalPoint point);
  // Ends the current run and starts another with the same colour and kind
  // (a move in the middle of a polyline).
  void Break();
  // Ends the current run; called by every other Add* and by the readers, so
  // explicit calls are only needed for clarity.
  void EndRun();

  void AddSegment(LogicalPoint a, LogicalPoint b, Rgb color, Element element, int32_t index = 0);
  void AddSquare(const Square& square);
  void AddLabel(LogicalPoint anchor, Rgb color, Element element, std::string_view text);
  void AddMessage(Rgb color, std::string_view text);

  // --- reading ---------------------------------------------------------------
  const std::vector<Item>& items() const { return items_; }
  const std::vector<Polyline>& polylines() const { return polylines_; }
  const std::vector<Square>& squares() const { return squares_; }
  const std::vector<Label>& labels() const { return labels_; }
  const std::vector<Message>& messages() const { return messages_; }
  const std::vector<LogicalPoint>& points() const { return points_; }
  std::span<const LogicalPoint> Points(const Polyline& line) const {
    return {points_.data() + line.first, line.count};
  }

 private:
  std::vector<Item> items_;
  std::vector<Polyline> polylines_;
  std::vector<Square> squares_;
  std::vector<Label> labels_;
  std::vector<Message> messages_;
  std::vector<LogicalPoint> points_;
  bool runOpen_ = false;
  Polyline run_;
};

// The vertex a kVertexSquare item stands for.
inline int ColumnOfSquare(const Square& square) { return square.index / kNetSize; }
inline int RowOfSquare(const Square& square) { return square.index % kNetSize; }

}  // namespace skelmora
