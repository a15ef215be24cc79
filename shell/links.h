#pragma once
// The game's web page and its contact mail, opened through the desktop (the welcome and
// about windows' links, the Help menu).

namespace Module1 {

// Opens the game's web page in the player's browser.
void OpenWebSite();
// Opens a new mail to the game's contact address in the player's mail program.
void SendMail();

}  // namespace Module1
