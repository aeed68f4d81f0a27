#include "playback/card_source.h"

#include <mutex>

namespace vantrel {

namespace {

std::mutex& FactoryLock() {
  static std::mutex lock;
  return lock;
}

CardSourceFactory& Factory() {
  static CardSourceFactory factory;
  return factory;
}

}  // namespace

void SetCardSourceFactory(CardSourceFactory factory) {
  std::lock_guard<std::mutex> hold(FactoryLock());
  Factory() = std::move(factory);
}

std::unique_ptr<avi::ByteSource> OpenCardSource(intptr_t device, int32_t value,
                                                const std::string& path) {
  CardSourceFactory factory;
  {
    std::lock_guard<std::mutex> hold(FactoryLock());
    factory = Factory();
  }
  return factory ? factory(device, value, path) : nullptr;
}

}  // namespace vantrel
