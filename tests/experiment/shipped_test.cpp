// The experiment the build puts beside the executable: the four conditions pass --check, the
// template carries the markers the program substitutes, and the animations are once-played GIFs of
// the template's picture size. (Their patterns in whole games: the pilot tests.)
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <span>

#include "session/module1.hpp"
#include "session/setup.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
const fs::path kShipped = fs::path(VOLLETA_PROGRAM_EXE).parent_path();
const std::vector<std::string> kConditions{
    "3pl - include subject.txt", "3pl - ostracize subject.txt", "4pl - include subject.txt",
    "4pl - ostracize subject.txt"};

TEST(ShippedSettings, TheFourConditionsPassTheProgramsCheck) {
  for (const std::string& name : kConditions) {
    const auto run = testing_support::RunVolleta({"--folder", kShipped.string(), "--check", name});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    for (const std::string& line : {"Players: " + name.substr(0, 1), "Total throws: 30"s,
                                    "Delays: 0.5 s plus up to 2.5 s"s, "All checks passed."s}) {
      EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << name << ": " << line << "\n"
                                                              << run.out;
    }
    int pictures = 0;
    const std::regex picture(R"(, picture (\S+)\n)");
    for (std::sregex_iterator m(run.out.begin(), run.out.end(), picture), end; m != end;
         ++m, ++pictures) {
      EXPECT_TRUE(fs::is_regular_file(kShipped / "html" / "faces" / (*m)[1].str())) << (*m)[1];
    }
    EXPECT_EQ(pictures, name[0] - '0') << name << ": every player has a shipped picture";
  }
}

const std::string kTemplate = [] {
  std::ifstream in(kShipped / "html" / "template.htm", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}();

// The markers the program finds by their exact text (names, links and player count: see the page
// tests).
TEST(Template, CarriesEachExactMarkerOnce) {
  std::vector<std::string> once{"<title>Welcome!", "<head>", "<table border", "1to3.gif",
                                "anim/4player/1to3.gif"};
  for (const std::string p : {"1", "2", "3", "4"}) {
    once.push_back("<img border=\"0\" src=\"faces/face" + p + ".jpg\"<br>" +
                   (p == "4" ? "</a><br>" : ""));
  }
  for (const std::string& marker : once) {
    const auto at = kTemplate.find(marker);
    EXPECT_TRUE(at != std::string::npos && at == kTemplate.rfind(marker)) << marker;
  }
}

TEST(Animations, EveryPairOfBothCountsIsAGifOfTheTemplatesSizePlayedOnceInAboutASecond) {
  std::smatch size;
  const std::regex img(
      R"re(<img[^>]*src="anim/4player/1to3\.gif"[^>]*width="(\d+)" height="(\d+)")re");
  ASSERT_TRUE(std::regex_search(kTemplate, size, img))
      << "the template gives the animation its size";
  const int width = std::stoi(size[1]), height = std::stoi(size[2]);
  for (const char players : {'3', '4'}) {
    const fs::path folder = kShipped / "html" / "anim" / (players + "player"s);
    std::vector<std::string> names{"start.gif"};
    for (char from = '1'; from <= players; ++from) {
      for (char to = '1'; to <= players; ++to) {
        if (from != to) names.push_back(std::string{from, 't', 'o', to} + ".gif");
      }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), std::ssize(names)) << folder;
    for (const std::string& name : names) {
      int error = 0;
      const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
          DGifOpenFileName((folder / name).c_str(), &error),
          [](GifFileType* g) { DGifCloseFile(g, nullptr); });
      ASSERT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK) << folder / name;
      EXPECT_TRUE(gif->SWidth == width && gif->SHeight == height) << name;
      EXPECT_GT(gif->ImageCount, 1) << name;
      int delay_cs = 0;
      for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& frame = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &gcb), GIF_OK) << name << " frame " << i;
        if (i + 1 < gif->ImageCount) delay_cs += gcb.DelayTime;
        for (const ExtensionBlock& e :
             std::span(frame.ExtensionBlocks, frame.ExtensionBlockCount)) {
          EXPECT_NE(e.Function, APPLICATION_EXT_FUNC_CODE)
              << name << ": a loop would repeat the throw";
        }
      }
      EXPECT_TRUE(delay_cs >= 80 && delay_cs <= 160) << name << " moves for " << delay_cs << " cs";
    }
  }
}

}  // namespace
