#include "link/edit_queue.h"

namespace morvelin {

void EditQueue::QueuePush(int address, int value) {
  if (Empty()) {
    ++write_;
  } else if (address != slots_[write_].address && (write_ + 1) % kSlots != read_) {
    ++write_;
  }
  write_ %= kSlots;
  slots_[write_] = {address, value};
}

int EditQueue::QueuePop() {
  if (!Empty()) read_ = (read_ + 1) % kSlots;
  return read_;
}

}  // namespace morvelin
