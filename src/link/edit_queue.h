#pragma once
// The ring of edits waiting for the unit's acknowledgements. A newer edit of an address that is
// already waiting replaces that entry where it waits, so a drag over a few words never fills the
// ring; words with side effects at the unit (channel links, commands) keep their place and order,
// and no edit merges past one of them. A full ring replaces its newest entry.

#include <array>

namespace morvelin {

// Channel link words and the command and status words of block 30: the unit acts on each write,
// so each one is sent in its place.
bool HasSideEffect(int deviceAddress);

class EditQueue {
 public:
  static constexpr int kSlots = 500;

  struct Entry {
    int address = 0;
    int value = 0;
    bool operator==(const Entry&) const = default;
  };

  bool Empty() const { return read_ == write_; }
  void Clear() { read_ = write_ = 0; }
  void QueuePush(int address, int value);
  // Takes the next entry; it stays the entry in flight until the next pop.
  int QueuePop();
  const Entry& Slot(int index) const { return slots_[index]; }
  int ReadIndex() const { return read_; }
  int WriteIndex() const { return write_; }
  int Size() const { return (write_ - read_ + kSlots) % kSlots; }
  bool Full() const { return (write_ + 1) % kSlots == read_; }

 private:
  std::array<Entry, kSlots> slots_{};
  int read_ = 0;
  int write_ = 0;
};

}  // namespace morvelin
