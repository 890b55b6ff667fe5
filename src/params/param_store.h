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

// One word of DeviceImage changed by an edit: through SetParam (`sent`, with the view address
// it was written at), or by a bank copy that the unit makes itself on linking (`viewAddress` -1).
struct StoreChange {
  int viewAddress = -1;
  int deviceAddress = 0;
  Word before = 0;
  Word after = 0;
  bool sent = false;
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

  // Told of every edit's change of DeviceImage, before the link is given it (the edit history).
  void SetChangeHook(std::function<void(const StoreChange&)> hook) { changeHook_ = std::move(hook); }

  // Bounds-checked access: outside the store reads 0 and writes nothing.
  Word Device(int address) const;
  Word View(int address) const;
  void SetDevice(int address, Word value);
  void SetView(int address, Word value);

  void SetParam(int address, Word value);
  void SetParamPaced(int address, Word value);
  // Writes one word of DeviceImage at its device address and gives it to the link as SetParam
  // does (paced: the following edits queue), whatever the selection is now: an earlier edit
  // taken back or made again. No change is reported.
  void SetDeviceParam(int deviceAddress, Word value, bool paced);
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
  std::function<void(const StoreChange&)> changeHook_;
};

}  // namespace morvelin
