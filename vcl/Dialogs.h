#pragma once

#include <functional>
#include <string>

namespace vcl {

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Application-modal message box; answers the button pressed.
int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

using TMessageBoxHook =
    std::function<int(const std::string& Text, const std::string& Caption, unsigned Flags)>;
// Tests answer message boxes here.
void SetMessageBoxHook(TMessageBoxHook Hook);

} // namespace vcl
