#pragma once
// The about box: the product's title, version, notice and links. Opened modeless from the
// main window, which it disables until it closes; it stays above the main window meanwhile.

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/toggles.h"

class frmAbout : public vb::Form {
public:
    frmAbout() : vb::Form("frmAbout") {}

    vb::Image Image1{*this, "Image1"};
    vb::Frame Frame2{*this, "Frame2"};
    vb::Label lblTitle{*this, "lblTitle"};
    vb::Label lblVersion{*this, "lblVersion"};
    vb::Label lblCopyright{*this, "lblCopyright"};
    vb::Frame Frame6{*this, "Frame6"};
    vb::Label Label1{*this, "Label1"};
    vb::Label lblWebSite{*this, "lblWebSite"};
    vb::Label Label2{*this, "Label2"};
    vb::Label lblemail{*this, "lblemail"};
    vb::CommandButton cmdClose{*this, "cmdClose"};

protected:
    void InitializeComponent() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

private:
    void cmdClose_Click();
    void lblWebSite_Click();
    void lblemail_Click();
    // The main window takes input again.
    void ReleaseMainWindow();
};
