// The run's claim by its window's cookie.
#include "browser/run_claim.hpp"

#include <gtest/gtest.h>

namespace {

using Admission = browser::RunClaim::Admission;

TEST(RunClaim, TheFirstPageRequestClaimsTheRunAndOnlyItsCookieGetsIn) {
  browser::RunClaim claim("0123abcd", "p");
  EXPECT_EQ(claim.Admit("", false), Admission::kRefused);  // a picture, before any page
  EXPECT_EQ(claim.Admit("other=1", true), Admission::kClaims);
  EXPECT_EQ(claim.SetCookie(), "volleta=0123abcd; Path=/p/; HttpOnly; SameSite=Strict");
  EXPECT_EQ(claim.Admit("", true), Admission::kRefused);  // a second client
  for (const char* cookies : {"volleta=0123abcd", "a=1; volleta=0123abcd", "volleta=0123abcd;b=2"})
    EXPECT_EQ(claim.Admit(cookies, false), Admission::kWindow) << cookies;
  for (const char* cookies : {"volleta=0123abc", "volleta=0123abcde", "xvolleta=0123abcd",
                              "volleta=0123abcd x", "a=volleta=0123abcd", "volleta= 0123abcd"})
    EXPECT_EQ(claim.Admit(cookies, true), Admission::kRefused) << cookies;
  // Reached over https only: the cookie never goes out in the clear.
  EXPECT_EQ(browser::RunClaim("t", "p", true).SetCookie(),
            "volleta=t; Path=/p/; HttpOnly; SameSite=Strict; Secure");
}

}  // namespace
