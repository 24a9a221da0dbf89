#include "online/router.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using online::Decision;
using online::Refusal;
using online::Route;
using online::RouterState;

constexpr const char* kPrefix = "0123456789abcdef0123456789abcdef";

Decision Get(const std::string& target, const RouterState& state = {},
             std::string_view method = "GET") {
  return online::RouteRequest({method, target, "", "192.0.2.7"}, state);
}

TEST(Router, StudyLinkStartsAGameWithTheIdAndKeepsTheOtherParameters) {
  const Decision d = Get("/?STUDY_ID=s%201&PROLIFIC_PID=ab%2Bc&SESSION_ID=x");
  EXPECT_EQ(d.route, Route::kNewGame);
  EXPECT_EQ(d.id, "ab+c");
  EXPECT_EQ(d.link, "STUDY_ID=s%201&SESSION_ID=x");
  // The default ID parameters in order; --id-param names another.
  EXPECT_EQ(Get("/?id=9&workerId=W").id, "W");
  RouterState named;
  named.id_params = {"pid"};
  EXPECT_EQ(Get("/?workerId=W&pid=P", named).id, "P");
  EXPECT_EQ(Get("/?workerId=W&pid=P", named).link, "workerId=W");
}

TEST(Router, BadIdsAreRefusedWithTheirRecordOutcome) {
  for (const std::string& target : std::vector<std::string>{
           "/", "/?PROLIFIC_PID=", "/?other=1", "/?PROLIFIC_PID=a%0Ab", "/?PROLIFIC_PID=%7F",
           "/?PROLIFIC_PID=%C2%85", "/?PROLIFIC_PID=%FF%FE", "/?PROLIFIC_PID=%E2%80%A8",
           "/?PROLIFIC_PID=a%2", "/?PROLIFIC_PID=a&PROLIFIC_PID=b", "/?PROLIFIC_PID=%C0%80",
           "/?PROLIFIC_PID=" + std::string(65, 'x')}) {
    const Decision d = Get(target);
    EXPECT_EQ(d.route, Route::kRefuse) << target;
    EXPECT_EQ(d.status, 400) << target;
    EXPECT_EQ(online::RefusalOutcome(d.refusal), "refused: bad ID") << target;
  }
  // 64 characters, not bytes: accented letters are taken.
  std::string accents;
  for (int i = 0; i < 64; ++i) accents += "%C3%A9";
  EXPECT_EQ(Get("/?id=" + accents).route, Route::kNewGame);
  EXPECT_EQ(Get("/?id=" + std::string(64, 'x')).route, Route::kNewGame);
}

TEST(Router, OnlyARunningGamesPrefixIsRelayed) {
  RouterState state;
  state.game_by_prefix[kPrefix] = "P1";
  const Decision relay = Get(std::string("/") + kPrefix + "/html/start.htm", state, "POST");
  EXPECT_EQ(relay.route, Route::kRelay);
  EXPECT_EQ(relay.prefix, kPrefix);
  for (const std::string& target :
       {std::string("/") + kPrefix, std::string("/") + kPrefix + "0/html/start.htm",
        std::string("/x/") + kPrefix + "/html/", std::string("//") + kPrefix + "/",
        std::string("http://h/") + kPrefix + "/html/", std::string("/favicon.ico"),
        std::string("/../") + kPrefix + "/", std::string("")}) {
    EXPECT_EQ(Get(target, state).route, Route::kNotFound) << target;
  }
  EXPECT_EQ(Get("/?id=1", state, "POST").route, Route::kNotFound);
}

TEST(Router, RepeatsFullAndStopping) {
  RouterState state;
  state.started_ids = {"done"};
  state.start_by_id["live"] = std::string("/") + kPrefix + "/html/start.htm";
  // A running game's link again goes back to it (its claim cookie decides).
  const Decision back = Get("/?id=live", state);
  EXPECT_EQ(back.route, Route::kRedirect);
  EXPECT_EQ(back.location, state.start_by_id["live"]);
  const Decision again = Get("/?id=done", state);
  EXPECT_EQ(again.refusal, Refusal::kAlreadyStarted);
  EXPECT_EQ(online::RefusalOutcome(again.refusal), "refused: already started");
  state.allow_repeat = true;
  EXPECT_EQ(Get("/?id=done", state).route, Route::kNewGame);

  state.games = state.max_games = 2;
  const Decision full = Get("/?id=new", state);
  EXPECT_EQ(full.route, Route::kFull);
  EXPECT_EQ(full.status, 503);
  state.games = 1;
  state.accepting = false;
  EXPECT_EQ(Get("/?id=new", state).refusal, Refusal::kStopping);
}

TEST(Router, ConditionParameterOnlyWhenAllowedAndKnown) {
  RouterState state;
  state.conditions = {"a.txt", "b c.txt"};
  EXPECT_EQ(Get("/?id=1&condition=a.txt", state).refusal, Refusal::kUnknownCondition);
  state.allow_condition_param = true;
  const Decision pinned = Get("/?id=1&condition=b+c.txt", state);
  EXPECT_EQ(pinned.route, Route::kNewGame);
  EXPECT_EQ(pinned.condition, "b c.txt");
  EXPECT_EQ(pinned.link, "");
  EXPECT_EQ(Get("/?id=1&condition=../x.txt", state).refusal, Refusal::kUnknownCondition);
  EXPECT_EQ(Get("/?id=1", state).condition, "");
}

TEST(Router, NewGamesPerMinuteAreCountedByTheClientBehindATrustedProxy) {
  RouterState state;
  state.max_new_per_minute = 2;
  state.trusted_proxies = {"127.0.0.1"};
  state.new_this_minute["203.0.113.5"] = 2;
  const auto from = [&](std::string_view peer, std::string_view forwarded) {
    return online::RouteRequest({"GET", "/?id=1", forwarded, peer}, state);
  };
  EXPECT_EQ(from("127.0.0.1", "203.0.113.5").refusal, Refusal::kTooMany);
  EXPECT_EQ(from("127.0.0.1", "198.51.100.1, 203.0.113.5").status, 429);
  // A client cannot name itself another: only the trusted proxy's word counts.
  EXPECT_EQ(from("127.0.0.1", "203.0.113.5, 198.51.100.1").route, Route::kNewGame);
  EXPECT_EQ(from("203.0.113.5", "198.51.100.1").refusal, Refusal::kTooMany);
  EXPECT_EQ(online::ClientAddress("127.0.0.1", " 127.0.0.1 , ", state.trusted_proxies),
            "127.0.0.1");
}

}  // namespace
