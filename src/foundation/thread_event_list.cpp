#include "foundation/thread_event_list.h"

#include <mutex>

namespace zol {

TThreadEventList::TThreadEventList(Handler handler)
    : handler_(std::move(handler)), lock_(MakeRef<TSafeCriticalSection>()) {}

void TThreadEventList::Post(int32_t type, TRef<TRefObject> payload) {
  {
    std::lock_guard guard(*lock_);
    if (shutDown_) return;  // PAYLOAD is released on return
    items_.push_back(MakeRef<TMessageItem>(type, std::move(payload), nullptr));
  }
  Notify(0);
}

void TThreadEventList::Send(int32_t type, TRefObject* payload) {
  TRef<TMessageItem> message;
  {
    std::lock_guard guard(*lock_);
    if (shutDown_) return;
    message = MakeRef<TMessageItem>(type, TRef<TRefObject>(payload), MakeRef<TEvent>());
    items_.push_back(message);
  }
  Notify(1);
  message->completion->Wait();
  // The payload stays the sender's: the message lets go of it now. The
  // consumer no longer looks at it once the completion is signalled.
  message->payload.reset();
}

TRef<TMessageItem> TThreadEventList::TakeFirst() {
  std::lock_guard guard(*lock_);
  if (items_.empty()) return nullptr;
  TRef<TMessageItem> first = std::move(items_.front());
  items_.pop_front();
  return first;
}

void TThreadEventList::Process() {
  while (TRef<TMessageItem> message = TakeFirst()) {
    bool handled = false;
    TRefObject* payload = message->payload.get();
    if (handler_) {
      try {
        handler_(*this, message->type, payload, handled);
      } catch (...) {
        // A failing handler must not stop the queue or strand a sender.
      }
    }
    if (!handled) {
      std::vector<Handler> handlers;
      {
        std::lock_guard guard(*lock_);
        handlers = handlers_;
      }
      for (Handler& h : handlers) {
        if (handled) break;
        try {
          h(*this, message->type, payload, handled);
        } catch (...) {
        }
      }
    }
    if (message->completion) message->completion->Set();
  }
}

void TThreadEventList::Shutdown() {
  std::deque<TRef<TMessageItem>> dropped;
  {
    std::lock_guard guard(*lock_);
    shutDown_ = true;
    for (auto& message : items_)
      if (message->completion) message->completion->Set();
    dropped.swap(items_);
  }
  // Posted payloads are freed here, outside the lock.
}

bool TThreadEventList::IsShutDown() {
  std::lock_guard guard(*lock_);
  return shutDown_;
}

void TThreadEventList::AddHandler(Handler handler) {
  std::lock_guard guard(*lock_);
  handlers_.push_back(std::move(handler));
}

size_t TThreadEventList::Pending() {
  std::lock_guard guard(*lock_);
  return items_.size();
}

void TThreadEventList::Dispose() {
  Shutdown();
  handler_ = nullptr;
  {
    std::lock_guard guard(*lock_);
    handlers_.clear();
  }
  TRefObject::Dispose();
}

}  // namespace zol
