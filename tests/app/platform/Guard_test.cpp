// SPDX-License-Identifier: MIT
#include "app/platform/Guard.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(GuardTest, ShowsOneErrorPerFailureAndCarriesOn) {
    FakeMessages messages;
    messages.answer = mrCancel;
    bool after = false;
    Guard([] { throw std::runtime_error("Erreur JPEG #42"); });
    Guard([] { throw 1; });
    Guard([&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Erreur JPEG #42");
    EXPECT_EQ(messages.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(messages.messages[1].text, "Erreur inconnue");
}

} // namespace
