#include "browser/navigation_state.hpp"

#include <algorithm>

namespace browser {
namespace {

constexpr std::size_t kMaxPending = 32;

std::string NavigateEvent(std::uint64_t seq, const std::string& url) {
  return "id: " + std::to_string(seq) + "\nevent: navigate\ndata: " + url + "\n\n";
}

}  // namespace

std::optional<std::string> NavigationState::Navigate(const std::string& key,
                                                     const std::string& url) {
  if (in_document_) {
    redirect_ = url;
    Remember(key, seq_);
    return std::nullopt;
  }
  ++seq_;
  latest_ = url;
  Remember(key, seq_);
  return NavigateEvent(seq_, url);
}

void NavigationState::Stop() {
  // Outside a page request there is no navigation of ours to abandon.
  if (in_document_) stop_called_ = true;
}

std::optional<NavigationState::Answer> NavigationState::RaiseBeforeNavigate(
    const std::string& url) {
  if (events_ == nullptr) return std::nullopt;
  struct Scope {
    NavigationState& s;
    explicit Scope(NavigationState& state) : s(state) {
      s.in_document_ = true;
      s.stop_called_ = false;
      s.redirect_.reset();
    }
    ~Scope() { s.in_document_ = false; }
  } scope(*this);
  events_->Sink_BeforeNavigate2(url);
  if (redirect_) return Answer{Answer::kRedirect, *redirect_};
  if (stop_called_) return Answer{Answer::kNoContent, {}};
  return Answer{Answer::kServe, {}};
}

std::uint64_t NavigationState::SeqForDocument(const std::string& key) {
  const auto it = pending_.find(key);
  if (it == pending_.end()) return seq_;
  const std::uint64_t number = it->second;
  pending_.erase(it);
  return number;
}

std::optional<std::string> NavigationState::CatchUp(std::uint64_t known) const {
  // A page that was still loading when the newest navigation was issued.
  if (known >= seq_) return std::nullopt;
  return NavigateEvent(seq_, latest_);
}

void NavigationState::Remember(const std::string& key, std::uint64_t number) {
  pending_[key] = number;
  while (pending_.size() > kMaxPending) {
    const auto oldest =
        std::min_element(pending_.begin(), pending_.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    pending_.erase(oldest);
  }
}

}  // namespace browser
