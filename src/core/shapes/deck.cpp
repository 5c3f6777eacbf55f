#include "shapes/deck.h"

#include <algorithm>
#include <optional>

#include "files/text_io.h"
#include "model/net_edit.h"

namespace skelmora {

std::string DeckFileName(const std::string& hullFileName) {
  std::string name = hullFileName;
  const size_t slash = name.find_last_of('/');
  const size_t dot = name.find('.', slash == std::string::npos ? 0 : slash + 1);
  if (dot != std::string::npos) name.erase(dot, std::min<size_t>(4, name.size() - dot));
  return name + "wdeck.s98";
}

int DeckRowCount(const HullDesign& design) {
  if (design.LastRow + WorkingLastRow(design) <= kMaxIndex) return design.LastRow;
  return kMaxIndex - WorkingLastRow(design);
}

namespace {

// The joint's chine, when wanted and the list has room; returns whether it
// was added.
bool ChineTheJoint(HullDesign& design, bool wanted) {
  if (!wanted || design.RowChineCount >= kMaxChines) return false;
  design.RowChines[design.RowChineCount++] = design.LastRow;
  return true;
}

void TakeChineBack(HullDesign& design, bool chined) {
  if (!chined) return;
  --design.RowChineCount;
  design.RowChines[design.RowChineCount] = 0;
}

// The new vertex i of n above the sheer vertex s. The rise is written as
// c (1 - (x / xs)^2) rather than c - x^2 c / xs^2: the same parabola, but a
// large camber no longer cancels to nothing at the centreline.
Vertex DeckVertex(const Vertex& s, int i, int rows, double c, double& x, double& z) {
  x = (rows - i) * static_cast<double>(s.x) / rows;
  // A sheer vertex on the centreline gets no rise (k = c there).
  const double share = s.x != 0.0f ? x / s.x : 1.0;
  z = s.z + c * (1.0 - share * share);
  return Vertex{static_cast<float>(x), s.y, static_cast<float>(z), 1.0f};
}

// Whether every new vertex fits the single-precision net (a camber such as
// 1e308 would be held as infinities and written as 0).
bool DeckFits(const HullDesign& design, int rows, double c) {
  if (!FitsNet(c)) return false;
  const int sheer = design.LastRow;
  for (int column = 0; column <= ClampIndex(design.LastColumn); ++column) {
    for (int i = 1; i <= rows; ++i) {
      double x = 0.0, z = 0.0;
      DeckVertex(design.Net[column][sheer], i, rows, c, x, z);
      if (!FitsNet(x) || !FitsNet(z)) return false;
    }
  }
  return true;
}

void AddDeckRows(HullDesign& design, int rows, double c) {
  const int sheer = design.LastRow;
  for (int column = 0; column <= ClampIndex(design.LastColumn); ++column) {
    const Vertex s = design.Net[column][sheer];
    for (int i = 1; i <= rows; ++i) {
      double x = 0.0, z = 0.0;
      design.Net[column][sheer + i] = DeckVertex(s, i, rows, c, x, z);
    }
  }
  design.LastRow += rows;
}

}  // namespace

bool AddDeck(HullDesign& design, Prompter& prompter) {
  // A list that is already full cannot take the joint's chine.
  const bool chined =
      design.RowChineCount < kMaxChines && ChineTheJoint(design, prompter.AskYesNo(kDeckChineQuestion));
  const int rows = DeckRowCount(design);
  if (rows <= 1) {
    prompter.ShowError(kTooFewDeckVertices);
    TakeChineBack(design, chined);
    return false;
  }

  for (;;) {
    const std::optional<std::string> text =
        prompter.AskText("Set Deck Camber", "Enter Deck Camber in Inches or MM", "3.0");
    if (!text) {
      TakeChineBack(design, chined);
      return false;
    }
    const size_t first = text->find_first_not_of(' ');
    const size_t last = text->find_last_not_of(' ');
    if (first == std::string::npos) continue;
    const std::optional<double> camber = TryParseReal(text->substr(first, last - first + 1));
    if (!camber) continue;
    if (DeckFits(design, rows, *camber)) {
      AddDeckRows(design, rows, *camber);
      return true;
    }
    // A camber the net cannot hold is said so and asked again.
    prompter.ShowError(kNetOverflowMessage);
  }
}

std::optional<std::string> AddDeck(HullDesign& design, double camber, bool chineAtJoint) {
  const bool chined = ChineTheJoint(design, chineAtJoint);
  const int rows = DeckRowCount(design);
  if (rows <= 1) {
    TakeChineBack(design, chined);
    return std::string(kTooFewDeckVertices);
  }
  if (!DeckFits(design, rows, camber)) {
    TakeChineBack(design, chined);
    return std::string(kNetOverflowMessage);
  }
  AddDeckRows(design, rows, camber);
  return std::nullopt;
}

}  // namespace skelmora
