#include "params/param_store.h"

namespace morvelin {

namespace {

constexpr int kNoBandWord = 0xFF;

// A stored edit to the link: sent while online, else handed over as made offline.
void SendTo(EditSender* sender, int d, Word v) {
  if (sender == nullptr) return;
  if (!sender->LinkOnline()) {
    sender->EditWhileOffline(d, v);
    return;
  }
  sender->SendEdit(d, v);
}

// Output families: the block at variant 0 of main L/R, surround L/R, shared per scene.
int SceneBlock(int block, int scene) {
  if (block >= 6 && block <= 11) return 6 + scene;
  if (block >= 12 && block <= 17) return 12 + scene;
  return block;
}

}  // namespace

Word ParamStore::Device(int a) const {
  return IsValidAddress(a) ? DeviceImage[a / 256][a % 256] : 0;
}
Word ParamStore::View(int a) const {
  return IsValidAddress(a) ? ViewImage[a / 256][a % 256] : 0;
}
void ParamStore::SetDevice(int a, Word v) {
  if (IsValidAddress(a)) DeviceImage[a / 256][a % 256] = v;
}
void ParamStore::SetView(int a, Word v) {
  if (IsValidAddress(a)) ViewImage[a / 256][a % 256] = v;
}

int ParamStore::MapViewToDevice(int a) const {
  int b = a / 256;
  const int i = a % 256;
  const int scene = sel_.SceneIndex;
  if (b == 2 || b == 3) {
    if (i != 13) b = sel_.CurMicBlock;
  } else if (b == 4 || b == 24) {
    if (sel_.CurEchoBlock != 5 && i > 12) b = sel_.CurEchoBlock;
  } else if (b >= 6 && b <= 23) {
    if (i >= 12 && i <= 15) {
      b = SceneBlock(sel_.CurOutBlock, scene);
    } else if (i == 10 || i == 11) {
      if (b == 7 || b == 8)
        b = 6 + scene;
      else if (b >= 9 && b <= 11)
        b = 9 + scene;
      else if (b >= 12 && b <= 14)
        b = 12 + scene;
      else if (b >= 15 && b <= 17)
        b = 15 + scene;
      else
        b = SceneBlock(sel_.CurOutBlock, scene);
    } else {
      b = sel_.CurOutBlock;
    }
  } else if (b >= 25 && b <= 27) {
    b = sel_.CurHideBlock;
  }
  return b * 256 + i;
}

int ParamStore::BankIndex(int block, int index) const {
  return (block == 0 && sel_.MusChannelSel > kMusLinked && index >= 10 && index <= 84) ? index + 75 : index;
}

int ParamStore::DeviceAddressOf(int viewAddress) const {
  const int d = MapViewToDevice(viewAddress);
  return (d / 256) * 256 + BankIndex(d / 256, d % 256);
}

void ParamStore::SetParam(int a, Word v) {
  // While suppressed the editor is only showing what is stored (a refresh, focusing an edit):
  // the controls may clamp what they show, but the store keeps what the unit holds.
  if (!IsValidAddress(a) || SendSuppressed) return;
  const int d = DeviceAddressOf(a);
  if (changeHook_) changeHook_({a, d, Device(d), v, true});
  SetView(a, v);
  SetDevice(d, v);
  SendTo(sender_, d, v);
}

void ParamStore::SetDeviceParam(int d, Word v, bool paced) {
  if (!IsValidAddress(d)) return;
  SetDevice(d, v);
  SendTo(sender_, d, v);
  if (paced && sender_ != nullptr) sender_->MarkNotReady();
}

void ParamStore::SetParamPaced(int a, Word v) {
  SetParam(a, v);
  if (sender_ != nullptr) sender_->MarkNotReady();
}

void ParamStore::RefreshView() {
  for (int b : ViewBlocks) {
    for (int i = 0; i < BlockLengths(b); ++i) {
      const int d = MapViewToDevice(b * 256 + i);
      ViewImage[b][i] = Device((d / 256) * 256 + BankIndex(b, i));
    }
  }
  const int scene = sel_.SceneIndex;
  for (int i : {10, 11}) {
    ViewImage[9][i] = DeviceImage[9 + scene][i];
    ViewImage[15][i] = DeviceImage[15 + scene][i];
  }
  if (rebindHook_) rebindHook_();
}

int ParamStore::LocateBand(int a) const {
  const int b = a / 256;
  const int i = a % 256;
  auto band = [](int n, int w) { return n * 256 + w; };
  auto general = [&](int s) { return i < s ? band(0, kNoBandWord) : band((i - s) / 5, (i - s) % 5); };
  // Filters sit in front of the bands as two words each (type, frequency).
  auto filters = [&](int hpWord, int count, int s) {
    if (i == hpWord || i == hpWord + 1) return band(count, 0);
    if (i == hpWord + 2 || i == hpWord + 3) return band(count + 1, 0);
    return general(s);
  };
  if (b < 0 || b >= kBlockCount) return band(0, kNoBandWord);
  switch (b) {
    case 0:
      return filters(4, 10, 10);
    case 1:
      for (int k = 0; k < 3; ++k)
        if (i >= 2 + 10 * k && i <= 6 + 10 * k) return band(k, i - 2 - 10 * k);
      return band(0, kNoBandWord);
    case 2:
    case 3:
      return filters(9, 15, 15);
    case 4:
    case 24:
      return filters(9, 7, 14);
    case 5:
      return filters(6, 7, 11);
    case 6:
      return filters(16, 10, 21);
    case 25:
    case 26:
    case 27:
      return i >= 1 ? general(1) : band(0, kNoBandWord);
    default:
      return general(EqBandStart(b));
  }
}

int ParamStore::ActiveQWord(int a) const {
  const int w = LocateBand(a) % 256;
  if (w != 3 && w != 4) return a;
  const int base = a - w;
  return View(base) >= 2 ? base + 4 : base + 3;
}

void ParamStore::ResetBands(int sel) {
  switch (sel) {
    case 2:
      sel = sel_.CurMicBlock;
      break;
    case 4:
      sel = sel_.CurEchoBlock;
      break;
    case 6:
      sel = sel_.CurOutBlock;
      break;
    case 25:
      sel = sel_.CurHideBlock;
      break;
    default:
      break;
  }
  auto writeBands = [&](int b, bool viewToo) {
    for (int band = 0; band < EqBandCount(b); ++band) {
      for (int w = 0; w < 5; ++w) {
        const int i = BandWordIndex(EqBandStart(b), band, w);
        const int v = w == 1 ? DefaultBandFreq(CurveGroupOf(b * 256), band) : kDefaultBand[w];
        // Sent first, so that the edit history sees each word as it was.
        if (viewToo && sel != kAllBlocks) SetParamPaced(b * 256 + i, v);
        SetDevice(b * 256 + BankIndex(b, i), v);
        if (viewToo) SetView(b * 256 + i, v);
      }
    }
  };
  for (int b = 0; b <= 27; ++b)
    if (sel == kAllBlocks || sel == b) writeBands(b, true);
  if (sel == kAllBlocks) {
    // The right music bank exists only in the device image; the selection is put back as it was.
    const int keep = sel_.MusChannelSel;
    sel_.MusChannelSel = kMusRight;
    writeBands(0, false);
    sel_.MusChannelSel = keep;
  }
  if (refreshHook_) refreshHook_(sel);
}

void ParamStore::CopyBank(Family family) {
  // `count` words from (from, fromIndex) to (to, toIndex).
  auto copyWords = [&](int from, int fromIndex, int to, int toIndex, int count) {
    for (int k = 0; k < count; ++k) {
      Word& target = DeviceImage[to][toIndex + k];
      const Word source = DeviceImage[from][fromIndex + k];
      if (changeHook_ && target != source) changeHook_({-1, to * 256 + toIndex + k, target, source, false});
      target = source;
    }
  };
  auto copyBlock = [&](int from, int to, int first, int last) {
    copyWords(from, first, to, first, last - first + 1);
  };
  switch (family) {
    case Family::Music:
      copyWords(0, 10, 0, 85, 75);
      break;
    case Family::Deq:
      copyWords(1, 1, 1, 31, 30);
      break;
    case Family::Mic:
      copyBlock(2, 3, 15, 113);
      break;
    case Family::Main:
      for (int v = 0; v < 3; ++v) copyBlock(6 + v, 9 + v, 0, 69);
      break;
    case Family::Surround:
      for (int v = 0; v < 3; ++v) copyBlock(12 + v, 15 + v, 0, 69);
      break;
  }
}

}  // namespace morvelin
