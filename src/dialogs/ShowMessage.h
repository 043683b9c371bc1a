#pragma once
// The program's message box with a choice of buttons (module modLib).
#include <QString>
#include <array>
#include <cstdint>

namespace dialogs {

// Style bits: the button set in the low bits, the default button in 0x100 / 0x200.
constexpr int32_t StyleDefault2 = 0x100;
constexpr int32_t StyleDefault3 = 0x200;

// What ShowMessage hands to the window, worked out without one.
struct PreparedMessage {
  QString Text;                    // placeholders filled, "\n" turned into CR LF
  std::array<QString, 3> Caption;  // [0] = button 1 (rightmost) .. [2] = button 3
  int DefaultButton = 1;
};

PreparedMessage PrepareMessage(const QString& Prompt, int32_t Style, const QString& Arg1, const QString& Arg2,
                               const QString& Arg3, const QString& Arg4, const QString& Button1Caption,
                               const QString& Button2Caption, const QString& Button3Caption);

// Shows a new message window modally and returns the number (1..3) of the pressed
// button; the buttons read 3, 2, 1 from left to right.
//  Style 0: the caller's captions (none: a single "OK" that returns 1)
//  Style 1: "Ok" (2), "Cancel" (1)          Style 2: "Cancel" (3), "Retry" (2), "Ignore" (1)
//  Style 3: "Yes" (3), "No" (2), "Cancel" (1)   Style 4: "Yes" (2), "No" (1)
//  Style 5: "Retry" (2), "Cancel" (1)
int16_t ShowMessage(const QString& Prompt, const QString& Title, int32_t Style, const QString& Arg1 = {},
                    const QString& Arg2 = {}, const QString& Arg3 = {}, const QString& Arg4 = {},
                    uint32_t BackColor = 0x80000018, uint32_t ForeColor = 0x80000017,
                    const QString& Button1Caption = {}, const QString& Button2Caption = {},
                    const QString& Button3Caption = {});

}  // namespace dialogs
