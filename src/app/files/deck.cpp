#include "files/deck.h"

#include <algorithm>
#include <optional>

#include "files/text_io.h"

namespace skelmora::app {

std::string DeckFileName(const std::string& hullFileName) {
  std::string name = hullFileName;
  const size_t slash = name.find_last_of('/');
  const size_t dot = name.find('.', slash == std::string::npos ? 0 : slash + 1);
  if (dot != std::string::npos) name.erase(dot, std::min<size_t>(4, name.size() - dot));
  return name + "wdeck.s98";
}

int DeckRowCount(const HullDesign& design) {
  if (design.LastRow + design.WorkingLastRow <= kMaxIndex) return design.LastRow;
  return kMaxIndex - design.WorkingLastRow;
}

bool AddDeck(HullDesign& design, Prompter& prompter) {
  const int sheer = design.LastRow;
  bool chined = false;
  // A list that is already full cannot take the joint's chine.
  if (design.RowChineCount < kMaxChines && prompter.AskYesNo(kDeckChineQuestion)) {
    design.RowChines[design.RowChineCount++] = sheer;
    UpdateWorkingCounts(design);
    chined = true;
  }
  auto takeChineBack = [&] {
    if (!chined) return;
    --design.RowChineCount;
    design.RowChines[design.RowChineCount] = 0;
    UpdateWorkingCounts(design);
  };
  const int rows = DeckRowCount(design);
  if (rows <= 1) {
    prompter.ShowError(kTooFewDeckVertices);
    takeChineBack();
    return false;
  }

  std::optional<double> camber;
  while (!camber) {
    const std::optional<std::string> text =
        prompter.AskText("Set Deck Camber", "Enter Deck Camber in Inches or MM", "3.0");
    if (!text) {
      takeChineBack();
      return false;
    }
    const size_t first = text->find_first_not_of(' ');
    const size_t last = text->find_last_not_of(' ');
    if (first != std::string::npos) camber = TryParseReal(text->substr(first, last - first + 1));
  }

  const double c = *camber;
  for (int column = 0; column <= design.LastColumn; ++column) {
    const Vertex s = design.Net[column][sheer];
    for (int i = 1; i <= rows; ++i) {
      const double x = (rows - i) * static_cast<double>(s.x) / rows;
      const double drop = s.x != 0.0f ? x * x * c / (static_cast<double>(s.x) * s.x) : c;
      design.Net[column][sheer + i] = Vertex{static_cast<float>(x), s.y,
                                             static_cast<float>(s.z + c - drop), 1.0f};
    }
  }
  design.LastRow += rows;
  UpdateWorkingCounts(design);
  return true;
}

}  // namespace skelmora::app
