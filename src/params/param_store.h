#pragma once
// The PC's copy of the unit's memory: the device image (as the unit keeps it) and the view
// image (as the shared pages see it), with the one entry by which edits reach both.

#include <array>
#include <functional>
#include <string>

#include "params/block_table.h"
#include "params/edit_selection.h"

namespace morvelin {

using Word = int;
using Image = std::array<std::array<Word, kBlockWords>, kBlockCount>;

// Where SetParam hands an edit once it is stored; the link implements it.
class EditSender {
 public:
  virtual ~EditSender() = default;
  virtual bool LinkOnline() const = 0;
  virtual void SendEdit(int deviceAddress, int value) = 0;
  // Paced edits: the following edits queue and leave one per acknowledgement.
  virtual void MarkNotReady() = 0;
  // An edit that would have been sent, made while the link is not online.
  virtual void EditWhileOffline(int /*deviceAddress*/, int /*value*/) {}
};

inline constexpr int kModeCount = 16;
inline constexpr int kModeNameSlots = 22;  // 16 unit modes + 6 factory entries
inline constexpr int kModeNameLength = 20;
inline constexpr const char* kDefaultSystemPassword = "739164";

// What the unit reports besides its words: mode names, passwords, identifier.
struct UnitInfo {
  std::array<std::string, kModeNameSlots> ModeNames{};
  std::string PanelPassword;
  std::string SystemPassword = kDefaultSystemPassword;
  std::string DeviceId;
};

class ParamStore {
 public:
  explicit ParamStore(EditSelection& selection) : sel_(selection) {}

  Image DeviceImage{};
  Image ViewImage{};
  UnitInfo Unit;
  // Set while the editor only shows stored values: SetParam then neither stores nor sends.
  bool SendSuppressed = false;

  EditSelection& Selection() { return sel_; }
  const EditSelection& Selection() const { return sel_; }

  void SetEditSender(EditSender* sender) { sender_ = sender; }
  // Called after ResetBands with the block (or kAllBlocks for all pages) whose controls need a refresh.
  void SetRefreshHook(std::function<void(int)> hook) { refreshHook_ = std::move(hook); }
  // Called at the end of RefreshView so the editor can re-tag its right-channel controls.
  void SetRebindHook(std::function<void()> hook) { rebindHook_ = std::move(hook); }

  // Bounds-checked access: outside the store reads 0 and writes nothing.
  Word Device(int address) const;
  Word View(int address) const;
  void SetDevice(int address, Word value);
  void SetView(int address, Word value);

  void SetParam(int address, Word value);
  void SetParamPaced(int address, Word value);
  int MapViewToDevice(int address) const;
  int BankIndex(int block, int index) const;
  // The device address that SetParam writes for a view address (mapping plus bank shift).
  int DeviceAddressOf(int viewAddress) const;
  void RefreshView();
  // band * 256 + word; word 0xFF: before the first band (or not a band word).
  int LocateBand(int address) const;
  int ActiveQWord(int address) const;
  void ResetBands(int selector);

  enum class Family { Music, Deq, Mic, Main, Surround };
  void CopyBank(Family family);

 private:
  EditSelection& sel_;
  EditSender* sender_ = nullptr;
  std::function<void(int)> refreshHook_;
  std::function<void()> rebindHook_;
};

}  // namespace morvelin
