#include "browser/navigation_state.hpp"

#include <algorithm>
#include <system_error>

#include "platform/clock.hpp"
#include "platform/file_io.hpp"

namespace browser {
namespace {

constexpr std::size_t kMaxPending = 32;

std::string NavigateEvent(std::uint64_t seq, const std::string& url) {
  return "id: " + std::to_string(seq) + "\nevent: navigate\ndata: " + url + "\n\n";
}

}  // namespace

std::optional<std::string> NavigationState::Navigate(const std::string& key,
                                                     const std::string& url) {
  ++number_;
  if (in_document_) {
    redirect_ = url;
    Remember(key, {seq_, number_});
    return std::nullopt;
  }
  ++seq_;
  latest_ = url;
  Remember(key, {seq_, number_});
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

NavigationState::Served NavigationState::TakeDocument(const std::string& key) {
  const auto it = pending_.find(key);
  if (it == pending_.end()) return {seq_, 0};
  const Served served = it->second;
  pending_.erase(it);
  if (served.number != 0) {
    issued_at_[served.number] = platform::PreciseMilliseconds();
    if (issued_at_.size() > 4 * kMaxPending) issued_at_.erase(issued_at_.begin());
  }
  return served;
}

std::optional<double> NavigationState::IssuedAt(std::uint64_t number) const {
  const auto it = issued_at_.find(number);
  if (it == issued_at_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> NavigationState::PageBytes(const std::string& key,
                                                      const std::filesystem::path& file) const {
  if (const auto it = provided_.find(key); it != provided_.end()) return it->second;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  return platform::ReadFileBytes(file);
}

void NavigationState::Approve(const std::string& url) {
  if (approved_.size() < kMaxPending) approved_.insert(url);
}

bool NavigationState::TakeApproved(const std::string& url) { return approved_.erase(url) > 0; }

void NavigationState::RaisePresented(std::uint64_t number, double time) {
  if (events_ == nullptr || !presented_.insert(number).second) return;
  if (presented_.size() > 4 * kMaxPending) presented_.erase(presented_.begin());
  events_->Sink_Presented(number, time);
}

std::optional<std::string> NavigationState::CatchUp(std::uint64_t known) const {
  // A page that was still loading when the newest navigation was issued.
  if (known >= seq_) return std::nullopt;
  return NavigateEvent(seq_, latest_);
}

void NavigationState::Remember(const std::string& key, Served served) {
  pending_[key] = served;
  while (pending_.size() > kMaxPending) {
    const auto oldest = std::min_element(
        pending_.begin(), pending_.end(),
        [](const auto& a, const auto& b) { return a.second.number < b.second.number; });
    pending_.erase(oldest);
  }
}

}  // namespace browser
