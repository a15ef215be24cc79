#pragma once
// The splash window: at start, when the settings choose it over the welcome dialog, a
// picture without a frame shows for a moment, or until a key is pressed, and then gives way
// to the main window.

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class frmSplash : public vb::Form {
public:
    frmSplash() : vb::Form("frmSplash") {}

    vb::Image Image1{*this, "Image1"};
    vb::Timer tmrUnload{*this, "tmrUnload"};

    // Shows the splash, topmost, and starts the moment after which the main window opens.
    void ShowSplash();

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_KeyPress(int16_t& KeyAscii) override;

private:
    void tmrUnload_Timer();
    // The splash goes and the main window comes.
    void GiveWayToMainWindow();
};
