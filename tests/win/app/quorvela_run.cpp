#include "tests/win/app/quorvela_run.h"

#include <filesystem>
#include <fstream>

namespace qv::test {

std::vector<std::string> QuorvelaRun::pageEvents() const {
  std::vector<std::string> events;
  std::ifstream file{std::filesystem::path(pageEventsPath())};
  for (std::string line; std::getline(file, line);) events.push_back(line);
  return events;
}

std::vector<std::string> ShownAndSlidIn() {
  std::vector<std::string> events{"shown"};
  for (const int left : {200, 187, 174, 161, 148, 135, 122, 109, 96, 83, 70, 57, 44, 31, 18, 5, -8, 0})
    events.push_back("left " + std::to_string(left));
  return events;
}

}  // namespace qv::test
