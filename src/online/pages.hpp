#pragma once
// The pages serve answers with itself, for links that get no game.
#include <filesystem>
#include <string>

namespace online {

enum class PageKind { kBadId, kFull, kStopping, kUnknownCondition, kNotFound, kGameGone };

std::string Page(PageKind kind);

// For an ID that has started a game already: the study's html/already.htm
// when it has one, else a plain page.
std::string AlreadyPage(const std::filesystem::path& study_folder);

}  // namespace online
