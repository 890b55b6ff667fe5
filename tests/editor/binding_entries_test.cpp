// The registry content generated from the page tables matches the binding table: rows, the
// handler families' sizes, and every name is a control of the pages.

#include "editor/binding_entries.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QWidget>
#include <map>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/page_builder.h"
#include "params/block_table.h"
#include "support/address.h"

namespace morvelin {
namespace {

using test::A;

std::map<int, BindingEntry> ByAddress() {
  std::map<int, BindingEntry> m;
  for (const BindingEntry& e : BindingEntries()) m[e.address] = e;
  return m;
}

struct Row {
  int address;
  const char* value;
  const char* readout;
  const char* aux0;
};

TEST(BindingEntries, RowsOfTheBindingTable) {
  const Row rows[] = {
      {A(0, 0), "MusGain1Edit", "", "MusGain1UpDown"},
      {A(0, 2), "MusGain3Edit", "", "MusGain3UpDown"},
      {A(0, 3), "MusPitchBar", "MusPitchPane", ""},
      {A(0, 4), "MusHPTypeBox", "", ""},
      {A(0, 8), "MusEQAllpassBtn", "", ""},
      {A(0, 9), "Example", "", ""},
      {A(0, 10), "MusModeBox1", "", "MusBYBtn1"},
      {A(0, 22), "MusGainEdit3", "", "MusEQGainBar3"},
      {A(0, 23), "MusQEdit3", "", "MusQUpDownBtn3"},
      {A(0, 24), "MusQEdit3", "", ""},
      {A(0, 83), "MusQEdit15", "", ""},  // band 15: no spin buttons
      {A(1, 0), "Example", "", ""},
      {A(1, 1), "DEQTypeBox1", "", "DEQTYpeOffBtn1"},
      {A(1, 13), "DEQFreEdit2", "", ""},
      {A(1, 14), "DEQGainEdit2", "", "DEQGainBar2"},
      {A(1, 27), "DEQRmsLevelBar3", "DEQRmsLevelPane3", ""},
      {A(2, 13), "Example", "", ""},
      {A(2, 18), "MicQEdit1", "", "MIcQUpDownBtn1"},
      {A(4, 1), "EchoEffPhaseBtn", "", ""},
      {A(4, 13), "Example", "", ""},
      {A(4, 15), "EchoFreEdit1", "", ""},
      {A(24, 12), "EchoBLPFreBar", "EchoBLPFrePane", ""},
      {A(5, 4), "RvbPreDelayBar", "RvbPreDelayPane", ""},
      {A(5, 12), "RvbFreEdit1", "", ""},
      {A(6, 9), "MainRvbPhaseBtn", "", ""},
      {A(6, 11), "MainLmuteBtn", "", ""},
      {A(6, 20), "Example", "", ""},
      {A(6, 23), "MainGainEdit1", "", "MainEQGainBar1"},
      {A(9, 10), "MainRdelayBar", "MainRdelayPane", ""},
      {A(15, 10), "MainRdelayBar", "MainRdelayPane", ""},
      {A(9, 11), "MainRmuteBtn", "", ""},
      {A(15, 11), "MainRmuteBtn", "", ""},
      {A(25, 0), "Example", "", ""},
      {A(25, 5), "HintQEdit1", "", "HintQUpDownBtn1"},
      {A(25, 4), "HintQEdit1", "", ""},
      {A(29, 0), "SysMicNormalVolBar", "SysMicNormalVolPane", ""},
      {A(29, 8), "SysEffMaxVolBar", "SysEffMaxVolPane", ""},
      {A(29, 9), "Example", "", ""},
      {A(30, 2), "SysModeBox", "", ""},
      {A(30, 3), "SysMusInputLevelBox", "", ""},
      {A(30, 20), "SysInputBox", "", ""},
      {A(30, 5), "Example", "", ""},
  };
  const auto m = ByAddress();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.address);
    ASSERT_TRUE(m.count(r.address));
    const BindingEntry& e = m.at(r.address);
    EXPECT_EQ(e.value, QString::fromUtf8(r.value));
    EXPECT_EQ(e.readout, QString::fromUtf8(r.readout));
    EXPECT_EQ(e.aux[0], QString::fromUtf8(r.aux0));
  }
  // The four type labels and the three DEQ type buttons fill their slots in order.
  const BindingEntry& type = m.at(A(2, 15));
  EXPECT_EQ(type.aux, (std::array<QString, 4>{"MicBYBtn1", "MicPEQBtn1", "MicLSQBtn1", "MicHSQBtn1"}));
  const BindingEntry& deq = m.at(A(1, 21));
  EXPECT_EQ(deq.aux, (std::array<QString, 4>{"DEQTYpeOffBtn3", "DEQTYpeBelowBtn3", "DEQTYpeAboveBtn3", ""}));
  EXPECT_EQ(m.at(A(1, 22)).aux[0], "DEQBYBtn3");
  EXPECT_EQ(m.at(A(1, 22)).value, "DEQModeBox3");
  // Words with no control are not registered.
  EXPECT_FALSE(m.count(A(0, 160)));
  EXPECT_FALSE(m.count(A(30, 8)));
}

TEST(BindingEntries, HandlerFamiliesHaveTheirSizes) {
  QWidget client;
  FormComponents comps;
  ASSERT_TRUE(BuildPages(&client, comps).isEmpty());
  QSet<QString> valueSliders, gainSliders, edits, spins, typeLists, typeLabels, phase, filterLists, volumes;
  for (const BindingEntry& e : BindingEntries()) {
    Control* value = comps.Find(e.value);
    ASSERT_NE(value, nullptr) << e.value.toStdString();
    if (!e.readout.isEmpty()) {
      ASSERT_NE(comps.Find(e.readout), nullptr) << e.readout.toStdString();
    }
    for (const QString& a : e.aux) {
      if (!a.isEmpty()) {
        ASSERT_NE(comps.Find(a), nullptr) << a.toStdString();
      }
    }
    const int block = BlockOf(e.address);
    if (dynamic_cast<TrackBar*>(value)) (block == 29 ? volumes : valueSliders).insert(e.value);
    if (dynamic_cast<Edit*>(value)) edits.insert(e.value);
    if (dynamic_cast<TrackBar*>(comps.Find(e.aux[0]))) gainSliders.insert(e.aux[0]);
    if (dynamic_cast<SpinButtons*>(comps.Find(e.aux[0]))) spins.insert(e.aux[0]);
    if (auto* list = dynamic_cast<ComboBox*>(value)) {
      if (!e.aux[0].isEmpty()) typeLists.insert(e.value);
      if (list->Hint() == "20" || list->Hint() == "21") filterLists.insert(e.value);
    }
    if (dynamic_cast<Label*>(comps.Find(e.aux[0])))
      for (const QString& a : e.aux) typeLabels.insert(a);
    if (e.value.endsWith("PhaseBtn")) phase.insert(e.value);
  }
  EXPECT_EQ(valueSliders.size(), 63);
  EXPECT_EQ(gainSliders.size(), 67);
  EXPECT_EQ(edits.size(), 205);  // with `Example`
  EXPECT_EQ(spins.size(), 60);
  EXPECT_EQ(typeLists.size(), 70);
  EXPECT_EQ(typeLabels.size(), 268);
  EXPECT_EQ(phase.size(), 11);
  EXPECT_EQ(filterLists.size(), 12);
  EXPECT_EQ(volumes.size(), 9);
}

TEST(BindingEntries, AddressesLieInTheirBlocks) {
  std::vector<int> pastLength;
  for (const BindingEntry& e : BindingEntries()) {
    ASSERT_TRUE(IsValidAddress(e.address)) << e.address;
    if (IndexOf(e.address) >= BlockLengths(BlockOf(e.address))) pastLength.push_back(e.address);
  }
  // Only the shelf-Q word of the last strip of these EQs lies just past its block's length.
  EXPECT_EQ(pastLength, (std::vector<int>{A(2, 114), A(4, 48), A(5, 45), A(6, 70)}));
}

}  // namespace
}  // namespace morvelin
