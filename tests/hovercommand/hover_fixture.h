#pragma once
// A registry file of the test's own with Kantrel registered in it, and a form holding one
// HoverCommand made by its ProgID, 40 x 20 pixels, whose events are written down.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/com/loader.h"
#include "platform/forms/form.h"
#include "platform/forms/user_control_host.h"
#include "platform/headless/headless_host.h"
#include "platform/registry/registry_store.h"

namespace hovertest {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

inline constexpr const char* kProgID = "Lumbrix1.HoverCommand";

struct TestForm : vb::Form {
    explicit TestForm(const com::PropertyBag* design = nullptr)
        : vb::Form("frmTest"), cmdOK(*this, "cmdOK", kProgID), design_(design) {}
    vb::UserControlHost cmdOK;
    com::HRESULT created = com::E_FAIL;
    Lines events;

protected:
    void InitializeComponent() override {
        cmdOK.Move(0, 0, 40 * 15, 20 * 15);
        created = cmdOK.Create(design_);
        cmdOK.Click = [this] { events.push_back("Click"); };
        cmdOK.MouseDown = [this](int16_t b, int16_t, float, float) {
            events.push_back("MouseDown " + std::to_string(b));
        };
        cmdOK.MouseUp = [this](int16_t b, int16_t, float, float) {
            events.push_back("MouseUp " + std::to_string(b));
        };
        cmdOK.Events["MouseLeave"] = [this](std::span<com::Variant>) {
            events.push_back("MouseLeave");
        };
    }

private:
    const com::PropertyBag* design_;
};

class Registered : public ::testing::Test {
protected:
    void SetUp() override {
        // The pid keeps apart runs of the same test by other builds at the same time.
        folder_ = fs::path(::testing::TempDir()) /
                  ("kantrel-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "registry.txt").string());
        ASSERT_EQ(com::RegisterServer(KANTREL_PATH), com::S_OK);
    }
    void TearDown() override {
        com::CoFreeUnusedLibraries();
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }

    headless::HeadlessHost host_;

private:
    fs::path folder_;
};

}  // namespace hovertest
