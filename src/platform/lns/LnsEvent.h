#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace lns {

// Keeps an event handler subscribed while it lives; destroying it (or Cancel) unsubscribes.
class LnsSubscription {
 public:
  LnsSubscription() = default;
  explicit LnsSubscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
  ~LnsSubscription() { Cancel(); }
  LnsSubscription(LnsSubscription&& other) noexcept : cancel_(std::move(other.cancel_)) {
    other.cancel_ = nullptr;
  }
  LnsSubscription& operator=(LnsSubscription&& other) noexcept {
    if (this != &other) {
      Cancel();
      cancel_ = std::move(other.cancel_);
      other.cancel_ = nullptr;
    }
    return *this;
  }
  LnsSubscription(const LnsSubscription&) = delete;
  LnsSubscription& operator=(const LnsSubscription&) = delete;

  void Cancel() {
    if (cancel_) cancel_();
    cancel_ = nullptr;
  }

 private:
  std::function<void()> cancel_;
};

// An event of the Object Server with any number of handlers, raised on the event loop's thread. Handlers may
// subscribe or unsubscribe while the event runs; one unsubscribed meanwhile is not called.
template <typename... Args>
class LnsEvent {
 public:
  using Handler = std::function<void(const Args&...)>;

  LnsSubscription Subscribe(Handler handler) {
    std::uint64_t id = nextId_++;
    handlers_->emplace(id, std::move(handler));
    std::weak_ptr<Handlers> weak = handlers_;
    return LnsSubscription([weak, id] {
      if (auto handlers = weak.lock()) handlers->erase(id);
    });
  }

  void Raise(const Args&... args) const {
    Handlers snapshot = *handlers_;
    for (const auto& [id, handler] : snapshot) {
      if (handlers_->count(id)) handler(args...);
    }
  }

 private:
  using Handlers = std::map<std::uint64_t, Handler>;
  std::shared_ptr<Handlers> handlers_ = std::make_shared<Handlers>();
  std::uint64_t nextId_ = 0;
};

}  // namespace lns
