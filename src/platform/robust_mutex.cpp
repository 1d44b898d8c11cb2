#include "platform/robust_mutex.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>

namespace zol::platform {

struct RobustMutex::Impl {
  pthread_mutex_t mutex;
};

RobustMutex::RobustMutex() : impl_(std::make_unique<Impl>()) {
  pthread_mutexattr_t attr;
  pthread_mutexattr_init(&attr);
  pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
  pthread_mutexattr_setrobust(&attr, PTHREAD_MUTEX_ROBUST);
  pthread_mutex_init(&impl_->mutex, &attr);
  pthread_mutexattr_destroy(&attr);
}

RobustMutex::~RobustMutex() { pthread_mutex_destroy(&impl_->mutex); }

RobustMutex::Result RobustMutex::Lock(int timeoutMs) {
  int rc;
  if (timeoutMs < 0) {
    rc = pthread_mutex_lock(&impl_->mutex);
  } else if (timeoutMs == 0) {
    rc = pthread_mutex_trylock(&impl_->mutex);
  } else {
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += timeoutMs / 1000;
    deadline.tv_nsec += long(timeoutMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
      deadline.tv_sec++;
      deadline.tv_nsec -= 1000000000L;
    }
    rc = pthread_mutex_clocklock(&impl_->mutex, CLOCK_MONOTONIC, &deadline);
  }
  switch (rc) {
    case 0:
      return Result::Acquired;
    case EOWNERDEAD:
      // The previous owner ended while holding it; we own it now.
      pthread_mutex_consistent(&impl_->mutex);
      return Result::Abandoned;
    case EBUSY:
    case ETIMEDOUT:
      return Result::TimedOut;
    default:
      return Result::Failed;
  }
}

void RobustMutex::Unlock() { pthread_mutex_unlock(&impl_->mutex); }

}  // namespace zol::platform
