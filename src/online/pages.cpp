#include "online/pages.hpp"

#include "platform/file_io.hpp"

namespace online {
namespace {

std::string Plain(const std::string& title, const std::string& text) {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
         "<meta name=\"viewport\" content=\"width=device-width\"><title>" +
         title + "</title></head>\n<body style=\"font-family:sans-serif;margin:3em\"><h1>" + title +
         "</h1><p>" + text + "</p></body></html>\n";
}

}  // namespace

std::string Page(PageKind kind) {
  switch (kind) {
    case PageKind::kBadId:
      return Plain("This link cannot be used",
                   "The link has no participant ID, or the ID it holds cannot be used. Please "
                   "open the link exactly as the study gave it to you.");
    case PageKind::kFull:
      return Plain("The study is full at the moment",
                   "Too many people are taking part right now. Please try again in a few "
                   "minutes.");
    case PageKind::kStopping:
      return Plain("The study is not open",
                   "The study is not taking participants at the moment. Please try again "
                   "later.");
    case PageKind::kUnknownCondition:
      return Plain("This link cannot be used",
                   "The link names a condition this study does not run.");
    case PageKind::kGameGone:
      return Plain("The game could not go on",
                   "Something went wrong on the study's server. Please tell the researcher.");
    case PageKind::kNotFound:
      break;
  }
  return Plain("Not found", "There is nothing here.");
}

std::string AlreadyPage(const std::filesystem::path& study_folder) {
  if (std::optional<std::string> own =
          platform::ReadFileBytes(study_folder / "html" / "already.htm")) {
    return *own;
  }
  return Plain("You have already taken part",
               "This link has already been used to start the study, which can be taken only "
               "once.");
}

}  // namespace online
