#pragma once
// The main window's controls as data: containers and free controls (one row each), the lines of
// the groups (label, control, readout pane, side button), the band strips (one row per EQ) and
// the fixed words bound to the hidden stand-in `Example`. Besides building the window, the rows
// carry each control's word (its Tag), its display kind (Hint), its readout pane and its aux
// controls, so the control registry is generated from the same rows.

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace morvelin::pages {

enum class Kind : std::uint8_t {
  Group,        // group box (caption swapped by the language switch)
  Panel,        // plain panel
  ScrollBox,    // strip box, scrolled by a pan bar
  Pages,        // page control
  Sheet,        // page of a page control
  Label,        // plain label (caption swapped)
  StyledLabel,  // styled label (caption kept)
  Slider,       // horizontal track bar
  VSlider,      // vertical track bar
  PanBar,       // horizontal scroll bar moving a strip box
  Pane,         // read-only value pane
  Edit,
  Spin,  // spin buttons
  Combo,
  BmpButton,
  ToolButton,
  PushButton,
  Progress,
  ListEditor,
  Image,
};

enum Flag : unsigned {
  kHidden = 1u << 0,
  kPassword = 1u << 1,  // masked edit
  kDisabled = 1u << 2,
  kBold = 1u << 3,
  kCentered = 1u << 4,    // label text centred
  kRightText = 1u << 5,   // label text right-aligned
  kRegistered = 1u << 6,  // a free control that the registry binds to its Tag
};

// Item lists of the drop-down lists.
enum class Items : std::uint8_t { None, FilterTypes, BandTypes, Inputs, InputLevels, DeqTypes };

// Picture set of a button.
enum class Look : std::uint8_t { Plain, Tab, Phase, Window, Led, Tool };

// The tab buttons, in the order of their Tag (the tab index).
inline constexpr std::array<const char*, 10> kTabButtons{
    "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormHintTabBtn", "FormEFFTabBtn",
    "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormSysTabBtn"};

inline constexpr int kNoAddress = -1;
constexpr int Addr(int block, int index) {
  return block * 256 + index;
}

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// A container or a free-standing control, placed by coordinates in its parent. Groups also
// give the column layout of their lines.
struct ControlRow {
  const char* name = "";
  Kind kind = Kind::Label;
  const char* parent = "";  // "" = the window's client area
  Rect at{};
  const char* caption = "";  // Chinese caption
  const char* hint = "";     // English caption, or a state "0"/"1"
  int tag = 0;               // ParamAddress, tab index or slot value
  unsigned flags = 0;
  Look look = Look::Plain;
  // Lines of a group: first line's place, label column width, pane width, line pitch.
  int lineX = 6, lineY = 4, labelW = 70, paneW = 44, pitch = 26;
};

// One line of a group: caption label, the control, its readout pane and a button at the end.
struct LineRow {
  const char* group = "";
  int line = 0;
  const char* zh = "";  // label caption; empty: no label
  const char* en = "";
  Kind kind = Kind::Slider;  // Slider, Combo or Edit
  const char* name = "";
  int min = 0, max = 0, def = 0;    // slider range and form default; edit: max length in `max`
  int address = kNoAddress;         // the control's Tag
  const char* hint = "";            // the control's Hint: display kind of an edit, 20/21 HP/LP, volume role
  const char* pane = "";            // readout pane
  int paneKind = -1;                // the pane's display kind (its Hint)
  Kind sideKind = Kind::BmpButton;  // BmpButton: a phase button of its own word; Spin: aux spin buttons
  const char* side = "";
  int sideAddress = kNoAddress;
  const char* text = "";       // edit: design text
  const char* labelName = "";  // label objectName; generated from the control's name when empty
  Items items = Items::None;
  unsigned flags = 0;
  Rect at{};  // explicit place of the control (outside a group's lines); the pane follows it
  // Further aux controls of the word (the Off/Below/Above buttons of a DEQ type list).
  std::array<const char*, 3> aux{"", "", ""};
};

// One equaliser: its band strips and the words they edit.
struct StripRow {
  const char* prefix;     // Mus, Mic, Echo, Rvb, Main, Hint, DEQ
  const char* parent;     // strip box or group holding the strips; "%d" takes the band number
  int block;              // view block
  int first;              // first band word; kDeqBandStart for the dynamic EQ (10 words apart)
  int strips;             // strips built and registered
  int bands;              // bands of the block; spin buttons are registered for these
  int qSpinWord;          // band word the spin buttons serve (+3 or +4)
  const char* title;      // band title label stem (MusEQPointLabel)
  const char* titleText;  // "EQ": titles "EQ1".., "": titles "1"..
  const char* gainBar;    // gain slider stem
  const char* spin;       // spin buttons stem
  std::array<const char*, 4> typeLabels;  // BY, P, LS, HS label stems
  int x, y;                               // strip 1 in its parent
  const char* captionParent;              // where the row captions sit ("%d": per band), at captionX
  int captionX;
  int captionY;  // the strips' top in the caption parent
};

// Words bound outside the lines and strips: the words shown by other means (all-pass and link
// words, words without a control) bound to `Example`, and the right channel of the output pair,
// whose controls serve the blocks 9 and 15 alike.
struct ExtraBindingRow {
  int address;
  const char* value = "Example";
  const char* readout = "";
};

// Geometry of one band strip (65 pixels wide).
namespace strip {
inline constexpr int kWidth = 65;
inline constexpr int kHeight = 204;
inline constexpr Rect kTitle{2, 0, 61, 16};
inline constexpr Rect kGainBar{19, 17, 27, 90};
inline constexpr int kTypeLabelsY = 108, kTypeLabelW = 15, kTypeLabelH = 15;
inline constexpr Rect kGainEdit{4, 124, 57, 19};
inline constexpr Rect kQEdit{4, 144, 44, 19};
inline constexpr Rect kQSpin{49, 144, 12, 19};
inline constexpr Rect kFreqEdit{4, 164, 57, 19};
inline constexpr Rect kTypeList{2, 184, 61, 20};
}  // namespace strip

std::span<const ControlRow> ControlRows();
std::span<const LineRow> LineRows();
std::span<const StripRow> StripRows();
std::span<const ExtraBindingRow> ExtraBindingRows();
std::vector<std::string_view> ItemTexts(Items items);

// The row captions at the left of each EQ group, Chinese and English, with their strip row.
struct StripCaption {
  const char* zh;
  const char* en;
  int y;
};
std::span<const StripCaption> StripCaptions();

}  // namespace morvelin::pages

namespace morvelin {

// Name of control n of a numbered family ("MusFreEdit", 3 -> "MusFreEdit3").
QString NumberedName(const char* stem, int n);
// A parent name of the strip tables: "%d" takes the band number.
QString StripParentName(const char* pattern, int band);

}  // namespace morvelin
