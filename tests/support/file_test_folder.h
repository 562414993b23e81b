#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace merrith::testing {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class TestFolder {
 public:
  TestFolder() { std::filesystem::create_directories(Root); }
  ~TestFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(Root, Ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  std::filesystem::path Path(const std::string& Name) const { return Root / Name; }
  std::u16string Text(const std::string& Name) const { return Path(Name).u16string(); }

  // The names of the files in the folder (or in its folder Sub), in order, so a test can see
  // that nothing else was left.
  std::vector<std::string> Names(const std::string& Sub = "") const {
    std::vector<std::string> Found;
    for (const auto& Entry : std::filesystem::directory_iterator(Root / Sub)) {
      Found.push_back(Entry.path().filename().string());
    }
    std::sort(Found.begin(), Found.end());
    return Found;
  }

  void Put(const std::string& Name, const std::vector<std::uint8_t>& Bytes) const {
    std::ofstream Out(Path(Name), std::ios::binary);
    Out.write(reinterpret_cast<const char*>(Bytes.data()),
              static_cast<std::streamsize>(Bytes.size()));
  }

  std::vector<std::uint8_t> Get(const std::string& Name) const {
    std::ifstream In(Path(Name), std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path Root = std::filesystem::temp_directory_path() /
                               ("merrith-test-" + std::to_string(std::random_device()()));
};

}  // namespace merrith::testing
