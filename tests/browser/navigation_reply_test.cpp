// How the handler's answer to a navigation leads the window on.
#include "browser/navigation_reply.hpp"

#include <gtest/gtest.h>

namespace {

using Answer = browser::NavigationState::Answer;
using Reply = browser::NavigationReply;

TEST(NavigationReply, OnlyAThrowBackToTheSwappablePageShownIsASwap) {
  const std::string shown = "sub dir/page two.htm", at = "/p/html/sub%20dir/page%20two.htm";
  const struct {
    Answer answer;
    std::optional<std::string> swappable;
    Reply reply;
  } cases[] = {
      {{Answer::kServe, {}}, shown, {Reply::kLoad, {}}},
      {{Answer::kNoContent, {}}, shown, {Reply::kStay, {}}},
      {{Answer::kRedirect, at}, shown, {Reply::kSwap, at}},
      {{Answer::kRedirect, at}, std::nullopt, {Reply::kGoTo, at}},  // not ready, or over HTTP
      {{Answer::kRedirect, at}, "start.htm", {Reply::kGoTo, at}},
      {{Answer::kRedirect, "/q/html/sub%20dir/page%20two.htm"},
       shown,
       {Reply::kGoTo, "/q/html/sub%20dir/page%20two.htm"}},
      {{Answer::kRedirect, "/p/html/sub%zzdir/page%20two.htm"},
       shown,
       {Reply::kGoTo, "/p/html/sub%zzdir/page%20two.htm"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(browser::ReplyTo(c.answer, "p", c.swappable), c.reply)
        << c.answer.kind << " " << c.answer.location << " shown " << c.swappable.value_or("-");
  }
}

}  // namespace
