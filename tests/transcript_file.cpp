#include "transcript_file.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string_view>

namespace orvanell {
namespace {

using namespace std::string_view_literals;

// Appends the bytes a section's line stands for, its line feed included
// unless a final backslash joins it to the next. Returns the character after
// the first backslash that escapes nothing known.
std::optional<char> AppendUnescaped(std::string& bytes, std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      bytes += line[i];
      continue;
    }
    if (++i == line.size()) return std::nullopt;
    const std::size_t known = "a0r\\"sv.find(line[i]);
    if (known == std::string_view::npos) return line[i];
    bytes += "\a\0\r\\"sv[known];
  }
  bytes += '\n';
  return std::nullopt;
}

std::string Escape(std::string_view bytes) {
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
  if (!file) throw std::runtime_error(path.string() + ": cannot be read");
  Transcript transcript;
  std::string line;
  std::string* section = nullptr;
  const std::regex headerLine("(clock|status): (-?[0-9]{1,18})");
  for (int number = 1; std::getline(file, line); ++number) {
    std::string fault;
    if (line == "== input") {
      section = &transcript.input;
    } else if (line == "== output") {
      section = &transcript.output;
    } else if (section != nullptr) {
      if (const auto escaped = AppendUnescaped(*section, line))
        fault = std::string("unknown escape \\") + *escaped;
    } else if (std::smatch header; std::regex_match(line, header, headerLine)) {
      (header[1] == "clock" ? transcript.clock : transcript.status) = std::stoll(header[2]);
    } else if (!line.starts_with('#')) {
      fault = R"(not a comment (#), "clock: N" or "status: N")";
    }
    if (!fault.empty())
      throw std::runtime_error(path.string() + ':' + std::to_string(number) + ": " + fault);
  }
  return transcript;
}

bool UpdateTranscript(const std::filesystem::path& path, std::string_view output) {
  std::ifstream file(path, std::ios::binary);
  const std::string old{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::size_t section = old.find("\n== output\n");
  if (section == std::string::npos) throw std::runtime_error(path.string() + ": no output section");
  const std::string updated = old.substr(0, section + 11) + Escape(output);
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
