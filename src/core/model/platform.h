// What the game asks of the desktop it runs on.
#pragma once

#include <string>

namespace quimbo {

class Platform {
 public:
  virtual ~Platform() = default;
  // Opens a web address in the desktop's browser without waiting for it; false when no opener
  // could be started. An opener that fails later is reported to the game as browserFailed().
  virtual bool openUrl(const std::string& address) = 0;
  // Ends the program at once.
  virtual void quit() = 0;
};

}  // namespace quimbo
