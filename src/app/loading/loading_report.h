// What the loading window shows and prints of a run: the floating position
// as named values, the levers and the criteria as rows of text, and the
// whole as one report. Lengths in model units, weights in lb / kg.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "loading/floating.h"
#include "stability/criteria.h"

namespace skelmora::app {

using TextRows = std::vector<std::vector<std::string>>;

// Quantity, value, unit.
TextRows EquilibriumRows(const Equilibrium& e, int32_t units);

QStringList LeverHeadings(int32_t units);
// A row not found shows its heel and "not found" in place of its values.
TextRows LeverRows(const LeverCurve& curve);

// The found rows as (heel, GZ x scale) in runs of neighbouring rows: a row
// not found ends a run, so nothing is drawn across it.
using CurvePiece = std::vector<std::pair<double, double>>;
std::vector<CurvePiece> FoundPieces(const LeverCurve& curve, double scale);

QStringList CriteriaHeadings();
TextRows CriteriaRows(const std::vector<Criterion>& criteria);

// The printed report: the design and condition named, the items, the tanks,
// the floating position, and with levers their table, the angle of
// vanishing stability and the criteria.
std::string LoadingReport(const LoadingCondition& condition, const ConditionRun& run,
                          const std::string& designName, const std::string& conditionName);

}  // namespace skelmora::app
