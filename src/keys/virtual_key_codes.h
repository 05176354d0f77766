#pragma once
// Windows virtual-key codes, named here so that portable code needs no Windows
// header. Letter and digit keys use their upper-case ASCII character ('A', '0').
// Names differ from the Windows macros so both can sit in one file.

namespace dk {

inline constexpr int kVkLButton = 0x01;
inline constexpr int kVkRButton = 0x02;
inline constexpr int kVkMButton = 0x04;
inline constexpr int kVkXButton1 = 0x05;
inline constexpr int kVkXButton2 = 0x06;
inline constexpr int kVkBack = 0x08;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkMenu = 0x12;
inline constexpr int kVkPause = 0x13;
inline constexpr int kVkCapital = 0x14;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPrior = 0x21;
inline constexpr int kVkNext = 0x22;
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkSnapshot = 0x2C;
inline constexpr int kVkInsert = 0x2D;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVkLWin = 0x5B;
inline constexpr int kVkRWin = 0x5C;
inline constexpr int kVkApps = 0x5D;
inline constexpr int kVkNumpad0 = 0x60;
inline constexpr int kVkNumpad1 = 0x61;
inline constexpr int kVkNumpad2 = 0x62;
inline constexpr int kVkNumpad3 = 0x63;
inline constexpr int kVkNumpad4 = 0x64;
inline constexpr int kVkNumpad5 = 0x65;
inline constexpr int kVkNumpad6 = 0x66;
inline constexpr int kVkNumpad7 = 0x67;
inline constexpr int kVkNumpad8 = 0x68;
inline constexpr int kVkNumpad9 = 0x69;
inline constexpr int kVkMultiply = 0x6A;
inline constexpr int kVkAdd = 0x6B;
inline constexpr int kVkSeparator = 0x6C;
inline constexpr int kVkSubtract = 0x6D;
inline constexpr int kVkDecimal = 0x6E;
inline constexpr int kVkDivide = 0x6F;
inline constexpr int kVkF1 = 0x70;
inline constexpr int kVkF10 = 0x79;
inline constexpr int kVkF11 = 0x7A;
inline constexpr int kVkF12 = 0x7B;
inline constexpr int kVkF13 = 0x7C;
inline constexpr int kVkF14 = 0x7D;
inline constexpr int kVkF15 = 0x7E;
inline constexpr int kVkF16 = 0x7F;
inline constexpr int kVkF24 = 0x87;
inline constexpr int kVkNumLock = 0x90;
inline constexpr int kVkScroll = 0x91;
inline constexpr int kVkLShift = 0xA0;
inline constexpr int kVkRShift = 0xA1;
inline constexpr int kVkLControl = 0xA2;
inline constexpr int kVkRControl = 0xA3;
inline constexpr int kVkLMenu = 0xA4;
inline constexpr int kVkRMenu = 0xA5;
inline constexpr int kVkOem1 = 0xBA;       // ;:
inline constexpr int kVkOemPlus = 0xBB;    // =+
inline constexpr int kVkOemComma = 0xBC;
inline constexpr int kVkOemMinus = 0xBD;
inline constexpr int kVkOemPeriod = 0xBE;
inline constexpr int kVkOem2 = 0xBF;       // /?
inline constexpr int kVkOem3 = 0xC0;       // `~
inline constexpr int kVkOem4 = 0xDB;       // [{
inline constexpr int kVkOem5 = 0xDC;       // \|
inline constexpr int kVkOem6 = 0xDD;       // ]}
inline constexpr int kVkOem7 = 0xDE;       // '"
inline constexpr int kVkOem102 = 0xE2;     // the extra key of ISO keyboards

}  // namespace dk
