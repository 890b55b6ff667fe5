#pragma once
// The words that hold the unit's modes and channel links: the editor switches them and reads
// them back after a refresh, the link sends them before the words they change, the virtual unit
// links channels by them.

#include "params/block_table.h"
#include "params/param_store.h"

namespace morvelin {

inline constexpr int kAutoManualWord = MakeAddress(0, 160);
inline constexpr int kSceneWord = MakeAddress(0, 161);
inline constexpr int kMainLinkWord = MakeAddress(0, 162);
inline constexpr int kSurLinkWord = MakeAddress(0, 163);
inline constexpr int kEchoFormWord = MakeAddress(0, 164);

// Each channel link word and the pair it links.
struct ChannelLinkWord {
  int address;
  ParamStore::Family family;
};
inline constexpr ChannelLinkWord kChannelLinkWords[] = {
    {MakeAddress(0, 8), ParamStore::Family::Music}, {MakeAddress(1, 0), ParamStore::Family::Deq},
    {MakeAddress(2, 13), ParamStore::Family::Mic},  {kMainLinkWord, ParamStore::Family::Main},
    {kSurLinkWord, ParamStore::Family::Surround},
};

}  // namespace morvelin
