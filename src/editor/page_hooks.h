#pragma once
// What the page switch asks of the rest of the editor and of the graph. The defaults do nothing;
// the refresh, band editing and graph code override them.

#include <QColor>

namespace morvelin {

class PageHooks {
 public:
  virtual ~PageHooks() = default;
  // Show the stored values on the controls of a view block (100: all blocks).
  virtual void RefreshPage(int /*block*/) {}
  // Redraw every curve of a view block.
  virtual void RedrawCurves(int /*block*/) {}
  // Redraw one entry of a view block's curve with it selected: a band 0..19, or the band count
  // (+1) for the high-pass (low-pass) filter; 100 redraws every entry like RedrawCurves.
  virtual void RedrawCurve(int /*selection*/, int /*block*/) {}
  virtual void CurveColorChanged(const QColor& /*color*/) {}
  // Act as a click on the effect tool button `tool` (0 Echo A, 1 Echo B, 2 reverb). Return false
  // to let the page switch do its own plain selection of the effect sub-page.
  virtual bool ClickEffectTool(int /*tool*/) { return false; }
  virtual void ClearWheelTarget() {}
  // The highlighted EQ gain slider returns to the normal thumb.
  virtual void ResetHighlightedGainBar() {}
};

}  // namespace morvelin
