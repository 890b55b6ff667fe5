#include "link/edit_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvelin {
namespace {

std::vector<EditQueue::Entry> Drain(EditQueue& q) {
  std::vector<EditQueue::Entry> out;
  while (!q.Empty()) out.push_back(q.Slot(q.QueuePop()));
  return out;
}

using Entries = std::vector<EditQueue::Entry>;
constexpr int kMusicLink = 0x0008;  // a channel link word: the unit copies a side on each write
constexpr int kRecall = 0x1E02;

TEST(EditQueue, NewerEditReplacesTheWaitingEntryWhereverItWaits) {
  EditQueue q;
  q.QueuePush(1, 10);
  q.QueuePush(1, 11);
  EXPECT_EQ(q.Size(), 1);
  q.QueuePush(2, 20);
  q.QueuePush(1, 12);  // not the newest entry, replaced all the same: a drag never fills the ring
  q.QueuePush(2, 21);
  EXPECT_EQ(Drain(q), (Entries{{1, 12}, {2, 21}}));
  EXPECT_EQ(q.QueuePop(), q.ReadIndex());  // popping an empty queue moves nothing
  // The slot taken is not waiting any more: the same address starts a new entry.
  q.QueuePush(1, 13);
  q.QueuePop();
  q.QueuePush(1, 14);
  EXPECT_EQ(q.Size(), 1);
}

TEST(EditQueue, WordsWithSideEffectsKeepTheirPlaceAndOrder) {
  struct Case {
    const char* what;
    Entries pushed;
    Entries sent;
  };
  const Case cases[] = {
      {"link words never merge",
       {{kMusicLink, 1}, {kMusicLink, 0}, {kMusicLink, 1}},
       {{kMusicLink, 1}, {kMusicLink, 0}, {kMusicLink, 1}}},
      {"commands never merge", {{kRecall, 3}, {kRecall, 3}}, {{kRecall, 3}, {kRecall, 3}}},
      {"no merge past a link word", {{5, 1}, {kMusicLink, 1}, {5, 2}}, {{5, 1}, {kMusicLink, 1}, {5, 2}}},
      {"merge after the link word",
       {{kMusicLink, 1}, {5, 1}, {6, 1}, {5, 2}},
       {{kMusicLink, 1}, {5, 2}, {6, 1}}},
  };
  for (const Case& c : cases) {
    EditQueue q;
    for (const auto& e : c.pushed) q.QueuePush(e.address, e.value);
    EXPECT_EQ(Drain(q), c.sent) << c.what;
  }
}

TEST(EditQueue, FullRingReplacesItsNewestEntryAndWraps) {
  EditQueue q;
  for (int k = 0; k < EditQueue::kSlots + 10; ++k) q.QueuePush(k, k);
  EXPECT_EQ(q.Size(), EditQueue::kSlots - 1);
  EXPECT_TRUE(q.Full());
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
