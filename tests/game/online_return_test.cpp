// The return URL an online game's thank-you page sends the participant to.
#include "game/online_return.hpp"

#include <gtest/gtest.h>

namespace {

TEST(OnlineReturnTest, PlaceholdersTakeTheIdAndLinkParametersEncoded) {
  const std::string link = "PROLIFIC_PID=a+b%26c&STUDY_ID=s%2F1&STUDY_ID=second&flag&=x";
  EXPECT_EQ(game::ReturnUrl("https://r.example/c?cc=K&p={PROLIFIC_PID}&s={STUDY_ID}&i={id}",
                            "Zo\xC3\xAB 1", link),
            "https://r.example/c?cc=K&p=a%20b%26c&s=s%2F1&i=Zo%C3%AB%201");
  // Named nowhere, empty, or never closed: left as written.
  EXPECT_EQ(game::ReturnUrl("x{nope}{flag}{}{id", "S", link), "x{nope}{}{id");
  EXPECT_EQ(game::ReturnUrl("{id}{id}", "a/b", ""), "a%2Fba%2Fb");
}

}  // namespace
