#include "transcript_file.h"

#include <fstream>
#include <string_view>

namespace orvanell {
namespace {

std::string Unescape(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char escaped = text[++i];
    if (escaped == 'a') bytes += '\a';
    if (escaped == '0') bytes += '\0';
    if (escaped == 'r') bytes += '\r';
    if (escaped == '\\') bytes += '\\';
  }
  return bytes;
}

}  // namespace

Transcript LoadTranscript(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  Transcript transcript;
  std::string line;
  std::string* section = nullptr;
  std::string input;
  std::string output;
  while (std::getline(file, line)) {
    if (line == "== input") {
      section = &input;
    } else if (line == "== output") {
      section = &output;
    } else if (section != nullptr) {
      *section += line + '\n';
    } else if (line.starts_with("clock: ")) {
      transcript.clock = std::stoll(line.substr(7));
    } else if (line.starts_with("status: ")) {
      transcript.status = std::stoi(line.substr(8));
    }
  }
  transcript.input = Unescape(input);
  transcript.output = Unescape(output);
  return transcript;
}

}  // namespace orvanell
