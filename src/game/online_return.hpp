#pragma once
// Where an online game's thank-you page sends the participant: the return URL
// with its placeholders filled in, and the page's Continue link and timed
// move there.
#include <string>
#include <string_view>

namespace game {

// `pattern` with {id} replaced by the subject ID and {NAME} by the link's
// parameter NAME (from `link`, an x-www-form-urlencoded query string), each
// percent-encoded. A placeholder naming nothing stays as it is.
std::string ReturnUrl(std::string_view pattern, std::string_view subject, std::string_view link);

// Added to the thank-you page: a "Continue" link to `url`, followed at once
// when clicked and by itself after `after_seconds`.
std::string ReturnSnippet(std::string_view url, int after_seconds);

}  // namespace game
