#pragma once
// The ring of edits waiting for the unit's acknowledgements. A newer edit of the same address
// as the newest waiting one replaces it; a full ring replaces its newest entry.

#include <array>

namespace morvelin {

class EditQueue {
 public:
  static constexpr int kSlots = 500;

  struct Entry {
    int address = 0;
    int value = 0;
  };

  bool Empty() const { return read_ == write_; }
  void Clear() { read_ = write_ = 0; }
  void QueuePush(int address, int value);
  // Takes the next entry; it stays the entry in flight until the next pop.
  int QueuePop();
  const Entry& InFlight() const { return slots_[read_]; }
  const Entry& Slot(int index) const { return slots_[index]; }
  int ReadIndex() const { return read_; }
  int WriteIndex() const { return write_; }
  int Size() const { return (write_ - read_ + kSlots) % kSlots; }

 private:
  std::array<Entry, kSlots> slots_{};
  int read_ = 0;
  int write_ = 0;
};

}  // namespace morvelin
