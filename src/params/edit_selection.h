#pragma once
// Which physical block an edit on a shared page reaches. Set by the editor, read by the store.

namespace morvelin {

enum MusChannel : int { kMusLeft = 0, kMusLinked = 1, kMusRight = 2 };

struct EditSelection {
  int CurMicBlock = 2;    // 2, 3
  int CurEchoBlock = 4;   // 4, 5, 24
  int CurOutBlock = 6;    // 6..23
  int CurHideBlock = 25;  // 25..27
  int SceneIndex = 0;     // 0 sing, 1 disco, 2 decode
  int MusChannelSel = kMusLinked;
};

// A stored scene word outside 0..2 is taken as scene 0 wherever it is read.
inline int SceneFromWord(int word) {
  return (word >= 0 && word <= 2) ? word : 0;
}

}  // namespace morvelin
