#pragma once
// The controls the code reaches by name, each with the class it is built as. Code takes them as
// handles (`handle::LinkBtn`), so a misspelt name does not compile; HandleProblems() checks at
// window build that every handle names a control of its class, so a name missing from the page
// tables is refused loudly instead of silently finding nothing.

#include <QString>
#include <QStringList>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"

namespace morvelin {

template <class T>
struct ControlHandle {
  using Type = T;
  const char* name;
  QString Name() const { return QString::fromUtf8(name); }
};

// Name, class.
#define MORVELIN_CONTROL_HANDLES(X)  \
  X(AdvPanel1, Panel)                \
  X(AdvPanel2, Panel)                \
  X(AdvParentPane, Panel)            \
  X(AutoModeBtn, BmpButton)          \
  X(CurrentModeLabel, Label)         \
  X(DeviceIDLabel, Label)            \
  X(EffPageControl, PageControl)     \
  X(EQPassGrop, GroupBox)            \
  X(EQPassLabel, Label)              \
  X(EQResetBtn, BmpButton)           \
  X(Example, Edit)                   \
  X(ExampleBar, TrackBar)            \
  X(ExampleBtn, BmpButton)           \
  X(ExampleBtn2, BmpButton)          \
  X(Examplexx, Edit)                 \
  X(FileEdit, Edit)                  \
  X(FirstCheckGrop, GroupBox)        \
  X(FormEFFTabBtn, BmpButton)        \
  X(FormHintTabBtn, BmpButton)       \
  X(FormPageItem, PageControl)       \
  X(Label3, Label)                   \
  X(LinkBtn, BmpButton)              \
  X(LinkLabel, Label)                \
  X(MainLmuteBtn, BmpButton)         \
  X(MainRdelayBar, TrackBar)         \
  X(MainRmuteBtn, BmpButton)         \
  X(ManulModeBtn, BmpButton)         \
  X(MicHPFreBar, TrackBar)           \
  X(MusEQAllpassBtn, BmpButton)      \
  X(MusEQGainBar1, TrackBar)         \
  X(MusEQTrackBar1, TrackBar)        \
  X(MusFreEdit1, Edit)               \
  X(PanelPassWordEdit, Edit)         \
  X(PinDCFBtn, BmpButton)            \
  X(PinPPBtn, BmpButton)             \
  X(PresetModeEdit, Edit)            \
  X(RzBmpButton1, BmpButton)         \
  X(RzBmpButton118, BmpButton)       \
  X(RzBmpButton119, BmpButton)       \
  X(RzBmpButton120, BmpButton)       \
  X(RzBmpButton2, BmpButton)         \
  X(RzBmpButton3, BmpButton)         \
  X(RzBmpButton4, BmpButton)         \
  X(RzToolButton11, BmpButton)       \
  X(SysEffNormalVolPane, StatusPane) \
  X(SysModeBox, ComboBox)            \
  X(SysUserMangerGrop, GroupBox)     \
  X(topGrop, GroupBox)               \
  X(TopTileGrop, Panel)              \
  X(UnLinkBtn, BmpButton)            \
  X(ValueListEditor1, ListEditor)

namespace handle {
#define MORVELIN_DECLARE_HANDLE(name, type) inline constexpr ControlHandle<type> name{#name};
MORVELIN_CONTROL_HANDLES(MORVELIN_DECLARE_HANDLE)
#undef MORVELIN_DECLARE_HANDLE
}  // namespace handle

class FormComponents;

// One line per handle whose control is missing or of another class; empty when all resolve.
QStringList HandleProblems(const FormComponents& components);

}  // namespace morvelin
