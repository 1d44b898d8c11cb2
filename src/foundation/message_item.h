// TMessageItem: one queued event of a TThreadEventList: its type, an optional
// payload the message holds a reference to, and for sent messages the event
// the sender waits on.
#pragma once

#include <cstdint>

#include "foundation/event.h"
#include "foundation/ref.h"

namespace zol {

class TMessageItem : public TRefObject {
 public:
  TMessageItem(int32_t type, TRef<TRefObject> payload, TRef<TEvent> completion)
      : type(type), payload(std::move(payload)), completion(std::move(completion)) {}

  const int32_t type;
  TRef<TRefObject> payload;
  const TRef<TEvent> completion;  // only for sent messages

 protected:
  void Dispose() override {
    payload.reset();
    TRefObject::Dispose();
  }
};

}  // namespace zol
