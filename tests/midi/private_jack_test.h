#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "tests/support/jack_server.h"

namespace vorlane::testing {

// A test with a private JACK server of its own and the stand-ins of jack_keyboard; it skips
// where jackd is missing.
class PrivateJackTest : public ::testing::Test {
  public:
    void SetUp() override {
        if (!JackServer::Installed()) {
            GTEST_SKIP() << "jackd is not installed (Debian package jackd2): this test needs a "
                            "private JACK server";
        }
        server = std::make_unique<JackServer>(VORLANE_CLI_PATH, VORLANE_JACK_KEYBOARD);
        ASSERT_TRUE(server->Started());
    }
    // A keyboard that Vorlane's input has connected by itself.
    std::unique_ptr<Child> ConnectedKeyboard(const std::string& name) {
        auto keyboard = server->StandIn(name);
        if (keyboard) {
            keyboard->Say("wait-connected 3000");
            EXPECT_EQ(keyboard->ReadLine(std::chrono::seconds(4)), "connected") << name;
        }
        return keyboard;
    }

    std::unique_ptr<JackServer> server;
};

}  // namespace vorlane::testing
