#pragma once
// The loaded main window on the headless host with a program folder, a registry file and
// the HoverCommand library registered in it, all the test's own; every window still
// loaded is unloaded when the test ends.

#include <gtest/gtest.h>

#include <vector>

#include "game/support/tolvarin_fixture.h"
#include "game/temp_app_folder.h"
#include "platform/com/loader.h"
#include "platform/forms/form.h"
#include "platform/registry/registry_store.h"

class DialogTest : public TolvarinTest {
protected:
    DialogTest() {
        registry::SetStorePath((folder.Path() / "registry.txt").string());
        EXPECT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK);
        form.setLeft(1500);
        form.setTop(900);
    }
    ~DialogTest() override {
        Module1::ConfirmExit = false;
        const std::vector<vb::Form*> all = vb::AllForms();
        for (vb::Form* f : all) f->Unload();
        com::CoFreeUnusedLibraries();
        registry::SetStorePath(registry::DefaultStorePath());
    }

    endgame_test::TempAppFolder folder;
};
