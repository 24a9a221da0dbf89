#pragma once
#include <string>
#include <vector>

#include "scene.hpp"

namespace pictures {

// Writes the frames as one animated GIF that plays once (no loop extension)
// and stops on its last frame. One palette, made by median cut over all
// frames, serves every frame, so still parts never flicker; each frame after
// the first stores only the rectangle that changed. Throws std::runtime_error
// naming the file when it can't be written.
void WriteGif(const std::string& path, const std::vector<Frame>& frames);

}  // namespace pictures
