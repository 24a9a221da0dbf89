// The shipped template and the pictures the build draws: every marker the
// program substitutes is in the template, and every animation is a valid GIF
// of the template's picture size that plays once, for every thrower and
// receiver of both player counts.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "shipped_files.hpp"

namespace {

using experiment_test::FilesIn;
using experiment_test::ProgramFolder;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

const std::string kTemplate = ReadFile(ProgramFolder() / "html" / "template.htm");

TEST(Template, CarriesEveryMarkerExactly) {
  const std::string Q = "\"";
  ASSERT_FALSE(kTemplate.empty());
  EXPECT_EQ(Count(kTemplate, "<title>Welcome!"), 1u);
  EXPECT_EQ(Count(kTemplate, "<head>"), 1u) << "the key script takes the place of <head>";
  EXPECT_EQ(Count(kTemplate, "<table border"), 1u) << "spacers go before each one";
  EXPECT_EQ(Count(kTemplate, "1to3.gif"), 1u);
  EXPECT_EQ(Count(kTemplate, "anim/4player/1to3.gif"), 1u);
  EXPECT_GE(Count(kTemplate, "players-4player"), 1u);
  for (int p = 1; p <= 4; ++p) {
    const std::string n = std::to_string(p);
    EXPECT_GE(Count(kTemplate, "name" + n), 1u) << p;
    const std::string tail = p == 4 ? "<br></a><br>" : "<br>";
    EXPECT_EQ(Count(kTemplate, "<img border=" + Q + "0" + Q + " src=" + Q + "faces/face" + n +
                                   ".jpg" + Q + tail),
              1u)
        << "the picture fragment of player " << p;
    EXPECT_EQ(Count(kTemplate, "face" + n + ".jpg"), 1u) << p;
  }
  for (int t : {1, 3, 4}) {
    EXPECT_GE(Count(kTemplate, "<a href=" + Q + "2to" + std::to_string(t) + ".htm" + Q + ">"), 2u)
        << "the picture or name and the figure of player " << t << " are links";
  }
  // Every link to a throw page is one of the exact start tags, so that the
  // program can take them all away when the ball isn't the subject's.
  EXPECT_EQ(Count(kTemplate, "href=\"2to"), Count(kTemplate, "<a href=\"2to"));
  EXPECT_EQ(Count(kTemplate, "<a href=\"2to"),
            Count(kTemplate, "<a href=\"2to1.htm\">") + Count(kTemplate, "<a href=\"2to3.htm\">") +
                Count(kTemplate, "<a href=\"2to4.htm\">"));
}

TEST(Template, PagesNameNothingFromTheNetwork) {
  for (const std::string& file : FilesIn("html")) {
    if (file.ends_with(".htm") || file.ends_with(".css")) {
      const std::string text = ReadFile(ProgramFolder() / "html" / file);
      EXPECT_EQ(text.find("http:"), std::string::npos) << file;
      EXPECT_EQ(text.find("https:"), std::string::npos) << file;
      EXPECT_EQ(text.find("//fonts."), std::string::npos) << file;
      EXPECT_EQ(text.find("@import"), std::string::npos) << file;
    }
  }
}

// The animation size the template gives its picture.
std::array<int, 2> TemplateAnimationSize() {
  const std::regex img(R"re(<img[^>]*src="anim/4player/1to3\.gif"[^>]*width="(\d+)" height="(\d+)")re");
  std::smatch m;
  if (!std::regex_search(kTemplate, m, img)) return {0, 0};
  return {std::stoi(m[1]), std::stoi(m[2])};
}

using Gif = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

Gif OpenGif(const std::filesystem::path& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.string().c_str(), &error);
  const auto close = [](GifFileType* g) {
    if (g != nullptr) DGifCloseFile(g, nullptr);
  };
  if (gif != nullptr && DGifSlurp(gif) == GIF_ERROR) {
    close(gif);
    gif = nullptr;
  }
  return Gif(gif, close);
}

// The frames as the browser shows them: each drawn over the last.
std::vector<std::vector<GifColorType>> Frames(const GifFileType* gif) {
  std::vector<std::vector<GifColorType>> frames;
  std::vector<GifColorType> canvas(static_cast<std::size_t>(gif->SWidth) * gif->SHeight);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    const GifImageDesc& d = image.ImageDesc;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    for (int y = 0; y < d.Height; ++y) {
      for (int x = 0; x < d.Width; ++x) {
        const int index = image.RasterBits[y * d.Width + x];
        canvas[static_cast<std::size_t>(d.Top + y) * gif->SWidth + d.Left + x] = map->Colors[index];
      }
    }
    frames.push_back(canvas);
  }
  return frames;
}

double MeanDifference(const std::vector<GifColorType>& a, const std::vector<GifColorType>& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    sum += std::abs(a[i].Red - b[i].Red) + std::abs(a[i].Green - b[i].Green) +
           std::abs(a[i].Blue - b[i].Blue);
  }
  return sum / static_cast<double>(a.size());
}

TEST(Animations, EveryPairOfBothCountsIsAnAnimatedGifOfTheTemplatesSizePlayedOnce) {
  const auto [width, height] = TemplateAnimationSize();
  ASSERT_GT(width, 0) << "the template gives the animation its width and height";
  for (int players : {3, 4}) {
    const std::string folder = "html/anim/" + std::to_string(players) + "player";
    std::vector<std::string> expected{"start.gif"};
    for (int from = 1; from <= players; ++from) {
      for (int to = 1; to <= players; ++to) {
        if (from != to) expected.push_back(std::to_string(from) + "to" + std::to_string(to) + ".gif");
      }
    }
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(FilesIn(folder), expected) << folder;
    EXPECT_EQ(expected.size(), players == 4 ? 13u : 7u);

    for (const std::string& name : expected) {
      SCOPED_TRACE(folder + "/" + name);
      Gif gif = OpenGif(ProgramFolder() / folder / name);
      ASSERT_NE(gif, nullptr);
      EXPECT_EQ(gif->SWidth, width);
      EXPECT_EQ(gif->SHeight, height);
      EXPECT_GT(gif->ImageCount, 1);
      int delay_cs = 0;
      for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &gcb), GIF_OK) << "frame " << i;
        if (i + 1 < gif->ImageCount) delay_cs += gcb.DelayTime;
        EXPECT_LE(image.ImageDesc.Left + image.ImageDesc.Width, width);
        EXPECT_LE(image.ImageDesc.Top + image.ImageDesc.Height, height);
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
          EXPECT_NE(image.ExtensionBlocks[e].Function, APPLICATION_EXT_FUNC_CODE)
              << "a loop extension would repeat the throw";
        }
      }
      // About a second of motion.
      EXPECT_GE(delay_cs, 80);
      EXPECT_LE(delay_cs, 160);
    }
  }
}

// Each page starts where the last one stopped: the ball comes to rest with
// its receiver, and the next throw starts with that player holding it.
TEST(Animations, AThrowEndsWhereTheNextOneStarts) {
  for (int players : {3, 4}) {
    const auto path = [&](const std::string& name) {
      return ProgramFolder() / "html" / "anim" / (std::to_string(players) + "player") / name;
    };
    Gif in = OpenGif(path("1to3.gif"));
    Gif on = OpenGif(path("3to2.gif"));
    Gif other = OpenGif(path("2to1.gif"));
    ASSERT_TRUE(in && on && other);
    const auto in_frames = Frames(in.get());
    const auto on_frames = Frames(on.get());
    const auto other_frames = Frames(other.get());
    EXPECT_LT(MeanDifference(in_frames.back(), on_frames.front()), 1.0) << players;
    EXPECT_GT(MeanDifference(other_frames.front(), on_frames.front()), 1.5 * MeanDifference(
        in_frames.back(), on_frames.front())) << players;
    // And something moves in between.
    EXPECT_GT(MeanDifference(on_frames.front(), on_frames[on_frames.size() / 2]), 0.05) << players;
  }
}

TEST(Pictures, AvatarsArePngFiles) {
  const std::vector<std::string> faces = FilesIn("html/faces");
  EXPECT_GE(faces.size(), 4u);
  for (const std::string& face : faces) {
    const std::string bytes = ReadFile(ProgramFolder() / "html" / "faces" / face);
    ASSERT_GE(bytes.size(), 24u) << face;
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << face;
    const auto be32 = [&](std::size_t at) {
      return (static_cast<unsigned char>(bytes[at]) << 24) |
             (static_cast<unsigned char>(bytes[at + 1]) << 16) |
             (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), be32(20)) << face << " is square";
    EXPECT_GE(be32(16), 72) << face << " is at least as large as it is shown";
  }
}

}  // namespace
