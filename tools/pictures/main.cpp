// Draws the pictures of the shipped experiment into a program folder's html
// folder: anim/4player/ and anim/3player/ with an animation for every thrower
// and receiver pair of that player count plus start.gif, and faces/ with the
// avatar pictures the settings files name.
//
//   volleta_pictures HTML_FOLDER
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "gif_writer.hpp"
#include "scene.hpp"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: volleta_pictures HTML_FOLDER\n";
    return 2;
  }
  const fs::path html = argv[1];
  try {
    for (int players : {4, 3}) {
      const fs::path folder = html / "anim" / (std::to_string(players) + "player");
      fs::create_directories(folder);
      pictures::WriteGif((folder / "start.gif").string(), pictures::StartFrames(players));
      for (int from = 1; from <= players; ++from) {
        for (int to = 1; to <= players; ++to) {
          if (from == to) continue;
          const std::string name = std::to_string(from) + "to" + std::to_string(to) + ".gif";
          pictures::WriteGif((folder / name).string(), pictures::ThrowFrames(players, from, to));
        }
      }
    }

    const fs::path faces = html / "faces";
    fs::create_directories(faces);
    const std::vector<std::pair<const char*, pictures::Rgb>> avatars{
        {"blue.png", {0x4f / 255.0, 0x7c / 255.0, 0xc4 / 255.0}},
        {"green.png", {0x3a / 255.0, 0xa1 / 255.0, 0x7e / 255.0}},
        {"purple.png", {0x8a / 255.0, 0x63 / 255.0, 0xc2 / 255.0}},
        {"orange.png", {0xd9 / 255.0, 0x89 / 255.0, 0x3b / 255.0}},
        {"rose.png", {0xc4 / 255.0, 0x5f / 255.0, 0x7a / 255.0}},
        {"slate.png", {0x5f / 255.0, 0x6f / 255.0, 0x86 / 255.0}},
    };
    for (const auto& [name, colour] : avatars) {
      pictures::WriteAvatar((faces / name).string(), colour, 128);
    }
    // giflib creates its files readable by their owner only; the pictures
    // are for anyone who can run the experiment.
    for (const auto& entry : fs::recursive_directory_iterator(html)) {
      if (entry.is_regular_file() &&
          (entry.path().extension() == ".gif" || entry.path().extension() == ".png")) {
        fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::others_read);
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "volleta_pictures: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
