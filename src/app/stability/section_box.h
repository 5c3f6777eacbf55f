// The weights dialog's paint box: the upright body sections, or the heeled
// section a stability run has just built, with the waterline and the
// centreline.
#pragma once

#include <QWidget>
#include <vector>

#include "model/hull_design.h"
#include "stability/heeled_section.h"
#include "surface/surface.h"

namespace skelmora::app {

class SectionBox : public QWidget {
  Q_OBJECT

 public:
  explicit SectionBox(QWidget* parent = nullptr);

  // What is drawn, scaled to the hull's extents, in the station colour.
  void ShowSections(std::vector<HeeledSection> sections, const HullExtents& extents, Rgb colour);
  const std::vector<HeeledSection>& sections() const { return sections_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<HeeledSection> sections_;
  HullExtents extents_;
  Rgb colour_ = 0xFF0000;
};

}  // namespace skelmora::app
