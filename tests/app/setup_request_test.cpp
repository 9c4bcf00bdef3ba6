#include "app/setup_request.h"

#include <gtest/gtest.h>

namespace natalo {
namespace {

TEST(SetupRequest, TakesTheInstallersSwitchesAndLeavesEveryOtherStartAlone) {
    struct Case {
        const char* arguments;
        std::optional<SetupRequest> request;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"/silent", std::nullopt},
        {"/closed /unregistered close", std::nullopt},
        {"/close", SetupRequest{.closeRunningCopies = true}},
        {"/UNREGISTER", SetupRequest{.unregister = true}},
        {"/keep-autostart", SetupRequest{.keepAutostart = true}},
        // The rest of a path that Windows Installer passed unquoted.
        {"Smith\\AppData\\Local\\Programs\\Natalo\\natalo.exe /close",
         SetupRequest{.closeRunningCopies = true}},
        {"/close\t/unregister", SetupRequest{.closeRunningCopies = true, .unregister = true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSetupRequest(c.arguments), c.request) << '"' << c.arguments << '"';
}

}  // namespace
}  // namespace natalo
