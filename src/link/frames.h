#pragma once
// The bytes of every frame the editor sends: F5 B2, length, type, address (high byte first),
// data, and an additive checksum that skips the second start byte and the length.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/serial_port.h"

namespace morvelin {

inline constexpr std::uint8_t kFrameStart = 0xF5;
inline constexpr std::uint8_t kFrameStart2 = 0xB2;
inline constexpr std::uint8_t kAckStart = 0xEE;
inline constexpr std::uint8_t kAckOk = 0xBB;
inline constexpr std::uint8_t kAckAlt = 0xAA;

inline constexpr std::uint8_t WriteType = 0xB7;
inline constexpr std::uint8_t ReadType = 0xB0;

inline constexpr int kMaxFrameData = 251;

// Command and status addresses (block 30).
inline constexpr int ModeNameAddr = 0x1E00;
inline constexpr int ModeSaveAddr = 0x1E01;
inline constexpr int ModeRecallAddr = 0x1E02;
inline constexpr int MusicInputLevelAddr = 0x1E03;
inline constexpr int PanelSwitchAddr = 0x1E04;
inline constexpr int PanelPassAddr = 0x1E05;
inline constexpr int SystemPassAddr = 0x1E07;
inline constexpr int AccessLevelAddr = 0x1E08;
inline constexpr int BlockWriteAddr = 0x1E0F;
inline constexpr int BlockReadAddr = 0x1E10;
inline constexpr int InputSourceAddr = 0x1E14;
inline constexpr int LinkCodeAddr = 0x1E30;
inline constexpr int DeviceIdAddr = 0x1E40;

// The status reads that close a full read, in order after the mode names. The passwords come
// back as texts, the others as words of block 30 (the address's low byte is the word's index).
struct StatusRead {
  int address;
  bool text;
};
inline constexpr std::array<StatusRead, 8> kStatusReads{{
    {ModeSaveAddr, false},
    {ModeRecallAddr, false},
    {MusicInputLevelAddr, false},
    {PanelSwitchAddr, false},
    {AccessLevelAddr, false},
    {SystemPassAddr, true},
    {PanelPassAddr, true},
    {InputSourceAddr, false},
}};

// Link codes, the value of a word frame to LinkCodeAddr.
inline constexpr int LinkProbe = 0x11;
inline constexpr int KeepAlive = 0x66;
inline constexpr int LinkRelease = 0xAA;

inline constexpr int kModeSaveDataLength = 22;

// Checksum over byte 0 and bytes 3 .. last data byte of a frame (the last byte excluded).
std::uint8_t FrameChecksum(std::span<const std::uint8_t> frameWithoutChecksum);

// Data longer than kMaxFrameData is cut, so the length byte never wraps.
Bytes ParamFrame(std::uint8_t type, int address, std::span<const std::uint8_t> data);
Bytes WordFrame(std::uint8_t type, int address, int value);
Bytes LinkCodeFrame(int code);
// Mode save: exactly 22 data bytes, padded with spaces; other addresses carry the text's bytes.
Bytes TextFrame(int address, const std::string& text);

}  // namespace morvelin
