// The navigation bookkeeping between the program and the pages, without HTTP.
#include "browser/navigation_state.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

using Answer = browser::NavigationState::Answer;

class NavigationStateTest : public ::testing::Test, public browser::BrowserEvents {
 protected:
  void Sink_BeforeNavigate2(const std::string& url) override { handler(url); }
  void Sink_OnQuit() override {}

  std::function<void(const std::string&)> handler = [](const std::string&) {};
  browser::NavigationState state{*this};
};

TEST_F(NavigationStateTest, APageLoadingDuringANavigationStillLearnsOfIt) {
  EXPECT_EQ(state.Navigate("a.htm", "/p/html/a.htm"),
            "id: 1\nevent: navigate\ndata: /p/html/a.htm\n\n");
  EXPECT_EQ(state.Navigate("b.htm", "/p/html/b.htm"),
            "id: 2\nevent: navigate\ndata: /p/html/b.htm\n\n");
  // a.htm, loading after the second navigation, accounts only for the first:
  // its stream opens owing the newest.
  EXPECT_EQ(state.SeqForDocument("a.htm"), 1u);
  EXPECT_EQ(state.CatchUp(1), "id: 2\nevent: navigate\ndata: /p/html/b.htm\n\n");
  EXPECT_EQ(state.CatchUp(2), std::nullopt);
  // Each navigation's number serves one page; others get the newest.
  EXPECT_EQ(state.SeqForDocument("a.htm"), 2u);
  EXPECT_EQ(state.SeqForDocument("b.htm"), 2u);
  EXPECT_EQ(state.SeqForDocument("c.htm"), 2u);

  // Only the latest pages are remembered.
  for (int i = 0; i < 40; ++i) state.Navigate(std::to_string(i), "/p/html/" + std::to_string(i));
  EXPECT_EQ(state.SeqForDocument("0"), 42u);
  EXPECT_EQ(state.SeqForDocument("38"), 41u);
  EXPECT_EQ(state.SeqForDocument("8"), 11u);
}

TEST_F(NavigationStateTest, TheHandlerDecidesTheAnswerOnlyWhileItRuns) {
  state.Stop();  // outside a page request: changes nothing
  EXPECT_EQ(state.RaiseBeforeNavigate("u")->kind, Answer::kServe);

  handler = [&](const std::string&) {
    state.Stop();
    EXPECT_EQ(state.Navigate("b.htm", "/p/html/b.htm"), std::nullopt);
  };
  const std::optional<Answer> moved = state.RaiseBeforeNavigate("u");
  EXPECT_EQ(moved->kind, Answer::kRedirect);
  EXPECT_EQ(moved->location, "/p/html/b.htm");
  EXPECT_EQ(state.Seq(), 0u);  // answered in the response, not pushed

  handler = [&](const std::string&) { state.Stop(); };
  EXPECT_EQ(state.RaiseBeforeNavigate("u")->kind, Answer::kNoContent);
  handler = [](const std::string&) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(state.RaiseBeforeNavigate("u"), std::runtime_error);
  EXPECT_TRUE(state.Navigate("b.htm", "/p/html/b.htm").has_value());  // no request is open now

  state.DetachEvents();
  EXPECT_EQ(state.RaiseBeforeNavigate("u"), std::nullopt);
}

}  // namespace
