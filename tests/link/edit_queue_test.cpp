#include "link/edit_queue.h"

#include <gtest/gtest.h>

namespace morvelin {
namespace {

TEST(EditQueue, NewestWaitingEditOfTheSameAddressIsReplaced) {
  EditQueue q;
  q.QueuePush(1, 10);
  q.QueuePush(1, 11);
  EXPECT_EQ(q.Size(), 1);
  q.QueuePush(2, 20);
  q.QueuePush(1, 12);  // B is newer, so this A does not merge with the first
  EXPECT_EQ(q.Size(), 3);
  EXPECT_EQ(q.Slot(q.QueuePop()).value, 11);
  EXPECT_EQ(q.InFlight().address, 1);
  EXPECT_EQ(q.Slot(q.QueuePop()).value, 20);
  EXPECT_EQ(q.Slot(q.QueuePop()).value, 12);
  EXPECT_TRUE(q.Empty());
  EXPECT_EQ(q.QueuePop(), q.ReadIndex());  // popping an empty queue moves nothing
  // The slot in flight is not waiting any more: the same address starts a new entry.
  q.QueuePush(1, 13);
  EXPECT_EQ(q.Size(), 1);
}

TEST(EditQueue, FullRingReplacesItsNewestEntryAndWraps) {
  EditQueue q;
  for (int k = 0; k < EditQueue::kSlots + 10; ++k) q.QueuePush(k, k);
  EXPECT_EQ(q.Size(), EditQueue::kSlots - 1);
  EXPECT_EQ(q.Slot(q.WriteIndex()).address, EditQueue::kSlots + 9);
  for (int k = 0; k < EditQueue::kSlots - 2; ++k) EXPECT_EQ(q.Slot(q.QueuePop()).address, k);
  EXPECT_EQ(q.Slot(q.QueuePop()).address, EditQueue::kSlots + 9);
  EXPECT_TRUE(q.Empty());
  q.QueuePush(7, 7);
  EXPECT_EQ(q.Slot(q.QueuePop()).value, 7);
  q.Clear();
  EXPECT_EQ(q.ReadIndex(), 0);
  EXPECT_EQ(q.WriteIndex(), 0);
}

}  // namespace
}  // namespace morvelin
