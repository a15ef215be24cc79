#pragma once
// The game's web page and its contact mail, opened through the desktop (the welcome and
// about windows' links, the Help menu), and its help document.

#include <string>

#include "platform/forms/win_help.h"

namespace Module1 {

// Opens the game's web page in the player's browser.
void OpenWebSite();
// Opens a new mail to the game's contact address in the player's mail program.
void SendMail();
// The help document, "TLHelp23.hlp" in the program's folder.
std::string HelpFile();
// Closes the help that window @p hWnd may have opened.
void CloseHelp(win::HWND hWnd);

}  // namespace Module1
