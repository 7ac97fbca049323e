#include "transcript_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
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

std::string Escape(std::string_view bytes) {
  using namespace std::string_view_literals;
  std::string text;
  for (const char byte : bytes) {
    const std::size_t special = "\a\0\r\\"sv.find(byte);
    if (special == std::string_view::npos) {
      text += byte;
    } else {
      text += '\\';
      text += "a0r\\"[special];
    }
  }
  if (!bytes.empty() && !bytes.ends_with('\n')) text += "\\\n";
  return text;
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

bool UpdateTranscript(const std::filesystem::path& path, int status, std::string_view output) {
  std::ifstream file(path, std::ios::binary);
  const std::string old{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  file.clear();
  file.seekg(0);
  const std::string statusLine = "status: " + std::to_string(status);
  std::string updated;
  std::string line;
  bool inInput = false;
  bool hasStatus = false;
  while (std::getline(file, line) && line != "== output") {
    if (line == "== input") {
      if (!hasStatus) updated += statusLine + '\n';
      inInput = hasStatus = true;
    } else if (!inInput && line.starts_with("status: ")) {
      line = statusLine;
      hasStatus = true;
    }
    updated += line + '\n';
  }
  updated += "== output\n" + Escape(output);
  if (updated == old) return false;
  // Written beside it and renamed over it: an interrupted update leaves the
  // old file whole.
  std::filesystem::path written = path;
  written += ".new";
  std::ofstream out(written, std::ios::binary);
  out << updated;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + written.string());
  std::filesystem::rename(written, path);
  return true;
}

}  // namespace orvanell
