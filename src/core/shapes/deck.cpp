#include "shapes/deck.h"

#include <algorithm>
#include <optional>

#include "files/text_io.h"

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

void AddDeckRows(HullDesign& design, int rows, double c) {
  const int sheer = design.LastRow;
  for (int column = 0; column <= ClampIndex(design.LastColumn); ++column) {
    const Vertex s = design.Net[column][sheer];
    for (int i = 1; i <= rows; ++i) {
      const double x = (rows - i) * static_cast<double>(s.x) / rows;
      const double drop = s.x != 0.0f ? x * x * c / (static_cast<double>(s.x) * s.x) : c;
      design.Net[column][sheer + i] = Vertex{static_cast<float>(x), s.y,
                                             static_cast<float>(s.z + c - drop), 1.0f};
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

  std::optional<double> camber;
  while (!camber) {
    const std::optional<std::string> text =
        prompter.AskText("Set Deck Camber", "Enter Deck Camber in Inches or MM", "3.0");
    if (!text) {
      TakeChineBack(design, chined);
      return false;
    }
    const size_t first = text->find_first_not_of(' ');
    const size_t last = text->find_last_not_of(' ');
    if (first != std::string::npos) camber = TryParseReal(text->substr(first, last - first + 1));
  }
  AddDeckRows(design, rows, *camber);
  return true;
}

std::optional<std::string> AddDeck(HullDesign& design, double camber, bool chineAtJoint) {
  const bool chined = ChineTheJoint(design, chineAtJoint);
  const int rows = DeckRowCount(design);
  if (rows <= 1) {
    TakeChineBack(design, chined);
    return std::string(kTooFewDeckVertices);
  }
  AddDeckRows(design, rows, camber);
  return std::nullopt;
}

}  // namespace skelmora
