// File › New › "Create a Deck for an Existing Hull": rows above the sheer
// that close the hull with a parabolic camber, so that the deck rises by
// the camber at the centreline.
#pragma once

#include <optional>
#include <string>

#include "model/hull_design.h"
#include "model/prompter.h"

namespace skelmora {

inline constexpr const char* kDeckChineQuestion = "Make a Chine Break at Hull to Deck Joint?";
inline constexpr const char* kTooFewDeckVertices =
    "Too few vertices available to create a deck. Delete some vertex rows if possible";

// "hull.s98" -> "hullwdeck.s98": the first "." of the file name and the three
// characters after it give way to "wdeck.s98".
std::string DeckFileName(const std::string& hullFileName);

// The number of rows the deck gets: LastRow when the net has room for that
// many more working rows, else what room there is.
int DeckRowCount(const HullDesign& design);

// Asks about the chine at the sheer (while the row chine list has room) and
// for the camber (again after a camber whose deck the net cannot hold,
// kNetOverflowMessage), then adds the rows; working counts updated. Returns false
// with the design as it was when there is no room for a deck (after the
// message) or the camber question is cancelled.
bool AddDeck(HullDesign& design, Prompter& prompter);

// The same with the answers given (a script's): the chine at the joint when
// asked for and the list has room, then the rows with this camber. The
// refusal's message, with the design as it was, when there is no room or
// the net cannot hold the deck (kNetOverflowMessage).
std::optional<std::string> AddDeck(HullDesign& design, double camber, bool chineAtJoint);

}  // namespace skelmora
