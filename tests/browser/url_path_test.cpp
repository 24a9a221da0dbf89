// Which file a URL path names, on real files and links.
#include "browser/url_path.hpp"

#include <gtest/gtest.h>

#include "browser/http_session.hpp"
#include "support/program_folder.hpp"

namespace {

namespace fs = std::filesystem;
using browser::HtmlFolder;
using browser::KeyFromUrlPath;

TEST(UrlPathTest, KeysAreWholeDecodedSegments) {
  EXPECT_EQ(KeyFromUrlPath("sub%20dir//page%20two.htm/"), "sub dir/page two.htm");
  EXPECT_EQ(KeyFromUrlPath("a%2Fb.htm"), "a/b.htm");  // an escaped "/" separates too
  EXPECT_EQ(KeyFromUrlPath("..."), "...");
  for (const char* refused : {"..", "a/./b", "%2E%2e/x", "a%5c..%5cb", "%", "%4", "%g0", "a%00"})
    EXPECT_EQ(KeyFromUrlPath(refused), std::nullopt) << refused;

  // Escaping a key gives a path that names it again, whatever bytes it holds.
  const std::string key = "dir/a b+c%d\xC3\xA9?#.htm";
  const std::string url = browser::UrlPathForKey("p", key);
  EXPECT_EQ(url, "/p/html/dir/a%20b%2Bc%25d%C3%A9%3F%23.htm");
  EXPECT_EQ(KeyFromUrlPath(std::string_view(url).substr(8)), key);
}

// A page's report of its window goes into the session record: one short line per value.
TEST(UrlPathTest, PageFactsAreDecodedToOneShortLineEach) {
  const browser::PageFacts facts = browser::ParsePageFacts(
      "screen=1920x1080&hz=59.9%0D%0A,injected&browser=" + std::string(150, 'C') +
      "&x=1&noequals&screen=%zz");
  EXPECT_EQ(facts.screen, "1920x1080");  // an undecodable repeat leaves the first
  EXPECT_EQ(facts.frame_rate, "59.9,injected");
  EXPECT_EQ(facts.browser, std::string(100, 'C'));
}

TEST(UrlPathTest, FilesStayInsideTheFolderAfterResolvingLinks) {
  testing_support::TempProgramFolder folder;
  folder.Write("html/page.htm", "x");
  folder.Write("html2/secret.htm", "beside the folder, with a name it starts with");
  const fs::path html = folder.Path() / "html";
  fs::create_symlink("../html2/secret.htm", html / "leak.htm");
  fs::create_symlink("page.htm", html / "alias.htm");
  const HtmlFolder served(html / "");  // a trailing separator changes nothing

  EXPECT_EQ(served.FileFor("alias.htm"), fs::canonical(html / "page.htm"));
  EXPECT_EQ(served.FileFor("missing/page.htm"), fs::canonical(html) / "missing/page.htm");
  EXPECT_EQ(served.FileFor("leak.htm"), std::nullopt);
  EXPECT_FALSE(browser::IsWithin(folder.Path() / "html2/x", html));
  EXPECT_TRUE(browser::IsWithin(html / "x", html / ""));

  // The program names pages by full path, in either separator form.
  EXPECT_EQ(served.KeyOf(folder.Path().string() + "\\html\\sub\\p.htm"), "sub/p.htm");
  EXPECT_EQ(served.KeyOf(html / "a" / ".." / "b.htm"), "b.htm");
  for (const fs::path& outside : {html, html / ".." / "html2" / "secret.htm", fs::path("page.htm")})
    EXPECT_EQ(served.KeyOf(outside), std::nullopt) << outside;
}

}  // namespace
