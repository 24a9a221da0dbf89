#include "page/compose.hpp"

#include <filesystem>
#include <stdexcept>
#include <string>

#include "page/key_script.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace page {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Replaces every occurrence of `what`, left to right; inserted text is not
// searched again by this call.
void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  if (what.empty()) return;
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
    out.append(text, from, at - from);
    out.append(with);
    from = at + what.size();
  }
  if (from == 0) return;  // nothing found
  out.append(text, from, std::string::npos);
  text = std::move(out);
}

// The template's lines end at CR LF or a lone CR; a bare LF belongs to its
// line. Each line goes in behind a CR LF, so the page begins with an empty line.
std::string TemplateLines(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16 + 2);
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t cr = bytes.find('\r', start);
    const std::size_t end = cr == std::string_view::npos ? bytes.size() : cr;
    text += kCrLf;
    text.append(bytes.substr(start, end - start));
    start = end;
    if (start < bytes.size()) {
      start += (start + 1 < bytes.size() && bytes[start + 1] == '\n') ? 2 : 1;
    }
  }
  return text;
}

std::string PlayerName(int player) {
  if (player < 0 || player > 4) return std::string();
  return Module1::PlayerNames[static_cast<std::size_t>(player)].Text();
}

const std::string kQ = "\"";

std::string PictureFragment(int player) {
  const std::string tail = player == 4 ? "<br></a><br>" : "<br>";
  return "<img border=" + kQ + "0" + kQ + " src=" + kQ + "faces/face" + std::to_string(player) +
         ".jpg" + kQ + tail;
}

std::string LinkStartTag(int target) {
  return "<a href=" + kQ + "2to" + std::to_string(target) + ".htm" + kQ + ">";
}

std::filesystem::path HtmlFile(const char* name) {
  return platform::ProgramFolder() / "html" / name;
}

}  // namespace

std::string ComposePageText(PageKind kind, int thrower, int receiver,
                            std::string_view template_bytes) {
  using namespace Module1;
  std::string page = TemplateLines(template_bytes);

  const bool computer = kind == PageKind::kComputerThrow;
  const bool to_subject = computer && receiver == 2;

  if (computer || ThrowCount > 0) {
    ReplaceAll(page, "<title>Welcome!",
               "<title>" + PlayerName(thrower) + " throws to " + PlayerName(receiver));
  }

  for (int p = 1; p <= 4; ++p) {
    ReplaceAll(page, "name" + std::to_string(p), PlayerName(p));
  }

  for (int p = 1; p <= 4; ++p) {
    const std::string& face = PlayerFaces[static_cast<std::size_t>(p)].Text();
    if (!face.empty()) {
      ReplaceAll(page, "face" + std::to_string(p) + ".jpg", face);
    } else {
      // Player 4's fragment carries the closing tag of his link; it must survive.
      ReplaceAll(page, PictureFragment(p), p == 4 ? "</a>" : "");
    }
  }

  if (NumPlayers == 3) ReplaceAll(page, "4player", "3player");

  std::string animation;
  switch (kind) {
    case PageKind::kOpening:
      animation = "start.gif";
      break;
    case PageKind::kSubjectThrow:
      animation = "2to" + std::to_string(receiver) + ".gif";
      break;
    case PageKind::kComputerThrow:
      animation = std::to_string(thrower) + "to" + std::to_string(receiver) + ".gif";
      break;
  }
  ReplaceAll(page, "1to3.gif", animation);

  if (!to_subject) {
    for (int target : {1, 3, 4}) ReplaceAll(page, LinkStartTag(target), "");
  }

  if (to_subject) {
    ReplaceAll(page, "<head>", std::string(kCrLf) + BuildKeyScript() + std::string(kCrLf));
  }

  std::string spacers;
  for (int i = 1; i <= SpacerCount.Number(); ++i) {
    spacers += "<p>&nbsp;</p>\n\r";  // LF before CR, as the layouts were made with
  }
  if (!spacers.empty()) ReplaceAll(page, "<table border", spacers + "<table border");

  page += kCrLf;
  return page;
}

std::optional<GamePage> ComposeStagedPage(PageKind kind, int thrower, int receiver) {
  const std::optional<std::string> bytes = platform::ReadFileBytes(HtmlFile("template.htm"));
  if (!bytes) return std::nullopt;
  return GamePage{HtmlFile("quindle.htm"), ComposePageText(kind, thrower, receiver, *bytes), {}};
}

GamePage ComposeGamePage(PageKind kind, int thrower, int receiver) {
  const std::filesystem::path template_file = HtmlFile("template.htm");
  std::string error;
  const std::optional<std::string> bytes = platform::ReadFileBytes(template_file, &error);
  if (!bytes) {
    throw std::runtime_error("The game page template " + template_file.string() +
                             " could not be read: " + error + ".");
  }

  GamePage page{HtmlFile("quindle.htm"), ComposePageText(kind, thrower, receiver, *bytes), {}};
  if (!platform::WriteFileBytes(page.file, page.text, &error)) {
    page.write_error =
        "The game page " + page.file.string() + " could not be written: " + error + ".";
  }
  return page;
}

}  // namespace page
