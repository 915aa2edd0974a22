// A desktop that records what the game asked of it.
#pragma once

#include <string>
#include <vector>

#include "core/model/platform.h"

namespace quimbo::test {

class RecordingPlatform final : public Platform {
 public:
  bool openUrl(const std::string& address) override {
    opened.push_back(address);
    return browserStarts;
  }
  void quit() override { ++quits; }

  bool browserStarts = true;
  std::vector<std::string> opened;
  int quits = 0;
};

}  // namespace quimbo::test
