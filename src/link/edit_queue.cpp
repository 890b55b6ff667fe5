#include "link/edit_queue.h"

#include "params/block_table.h"
#include "params/mode_words.h"

namespace morvelin {

bool HasSideEffect(int deviceAddress) {
  if (deviceAddress / 256 >= kStatusBlock) return true;
  for (const ChannelLinkWord& link : kChannelLinkWords)
    if (link.address == deviceAddress) return true;
  return false;
}

void EditQueue::QueuePush(int address, int value) {
  if (!HasSideEffect(address)) {
    // Newest first, stopping at a word the unit acts on: merging past it would reorder the two.
    for (int i = write_; i != read_; i = (i + kSlots - 1) % kSlots) {
      Entry& e = slots_[i];
      if (e.address == address) {
        e.value = value;
        return;
      }
      if (HasSideEffect(e.address)) break;
    }
  }
  if (!Full()) write_ = (write_ + 1) % kSlots;
  slots_[write_] = {address, value};
}

int EditQueue::QueuePop() {
  if (!Empty()) read_ = (read_ + 1) % kSlots;
  return read_;
}

}  // namespace morvelin
