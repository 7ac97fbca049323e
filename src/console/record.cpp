// The record of what a waiting read asks, as a host takes it: JSON, with
// every kind of question, read, problem, verdict and ending told by its name
// from the tables below, so that no host depends on the order of an enum.
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "console.h"

namespace orvanell {
namespace {

constexpr std::array<std::string_view, 9> QuestionNames = {
    "none", "main-menu", "game-type", "help-menu", "tips", "problem", "name", "continue", "exit"};
constexpr std::array<std::string_view, 3> ReadNames = {"number", "key", "word"};
// By the main menu's codes; 0 where the question has no kind.
constexpr std::array<std::string_view, 4> KindNames = {"", "addition", "subtraction",
                                                       "multiplication"};
constexpr std::array<std::string_view, 3> VerdictNames = {"none", "right", "wrong"};

template <std::size_t Size, typename Code>
std::string_view NameIn(const std::array<std::string_view, Size>& names, Code code) {
  const auto at = static_cast<std::size_t>(code);
  return at < Size ? names.at(at) : names.front();
}

// How many bytes of `text` (not empty) make its first character, and whether
// they are valid UTF-8. Where they are not, the count is the longest start of
// a character there (at least one byte), which a TextDecoder shows as one
// U+FFFD: overlong forms, surrogates and code points past U+10FFFF end at
// their second byte.
std::pair<std::size_t, bool> FirstCharacter(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80U) return {1, true};
  std::size_t size = 0;
  if (lead >= 0xC2U && lead <= 0xDFU) size = 2;
  if (lead >= 0xE0U && lead <= 0xEFU) size = 3;
  if (lead >= 0xF0U && lead <= 0xF4U) size = 4;
  if (size == 0) return {1, false};
  unsigned low = lead == 0xE0U ? 0xA0U : lead == 0xF0U ? 0x90U : 0x80U;
  unsigned high = lead == 0xEDU ? 0x9FU : lead == 0xF4U ? 0x8FU : 0xBFU;
  for (std::size_t at = 1; at < size; ++at) {
    if (at == text.size()) return {at, false};
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < low || byte > high) return {at, false};
    low = 0x80U;
    high = 0xBFU;
  }
  return {size, true};
}

// A name is whatever bytes the player typed: quotes, backslashes and control
// characters are escaped, bytes that are not UTF-8 are told as U+FFFD, so
// that any host's JSON parser takes the record, and the rest passes as it came.
void AppendString(std::string& json, std::string_view text) {
  json += '"';
  while (!text.empty()) {
    const auto [size, valid] = FirstCharacter(text);
    const char c = text[0];
    if (!valid) {
      json += "\\ufffd";
    } else if (size > 1) {
      json += text.substr(0, size);
    } else if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr std::string_view Hex = "0123456789abcdef";
      json += "\\u00";
      json += Hex.at(static_cast<unsigned char>(c) >> 4U);
      json += Hex.at(static_cast<unsigned char>(c) & 0xFU);
    } else {
      json += c;
    }
    text.remove_prefix(size);
  }
  json += '"';
}

// As the game writes numbers, with nothing more linked in for it.
void AppendNumber(std::string& json, std::optional<std::int32_t> number) {
  if (!number) {
    json += "null";
    return;
  }
  std::array<char, 12> digits{};
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), *number);
  json.append(digits.data(), end);
}

void AppendField(std::string& json, std::string_view field) {
  if (json.size() > 1) json += ',';
  json += '"';
  json += field;
  json += "\":";
}

void AppendJudged(std::string& json, const Judgement* judgement) {
  if (judgement == nullptr || judgement->verdict == Verdict::None) {
    json += "null";
    return;
  }
  const Judgement& judged = *judgement;
  json += "{\"verdict\":\"";
  json += NameIn(VerdictNames, judged.verdict);
  json += "\",\"answer\":";
  AppendNumber(json, judged.answer);
  json += ",\"player\":";
  AppendNumber(json, judged.player);
  json += ",\"name\":";
  AppendString(json, judged.name);
  json += ",\"rightAnswer\":";
  AppendNumber(json, judged.rightAnswer);
  json += '}';
}

void AppendEnded(std::string& json, const Prompt& prompt) {
  switch (prompt.outcome) {
    case Outcome::None:
      json += "null";
      return;
    case Outcome::Points:
      json += "{\"points\":";
      AppendNumber(json, prompt.points);
      json += '}';
      return;
    case Outcome::Won:
      if (prompt.judged == nullptr) break;
      json += "{\"winner\":{\"player\":";
      AppendNumber(json, prompt.judged->player);
      json += ",\"name\":";
      AppendString(json, prompt.judged->name);
      json += "}}";
      return;
    case Outcome::Neither:
      json += "{\"winner\":null}";
      return;
  }
  json += "null";
}

}  // namespace

std::string RecordOf(const WaitingRead& waiting) {
  if (waiting.read == nullptr) return {};
  const Prompt& prompt = waiting.asks != nullptr ? *waiting.asks : AsksNothing;
  std::string json = "{";
  AppendField(json, "question");
  AppendString(json, NameIn(QuestionNames, prompt.question));
  AppendField(json, "reads");
  AppendString(json, NameIn(ReadNames, waiting.reads));
  AppendField(json, "choices");
  AppendString(json, prompt.choices);
  AppendField(json, "kind");
  const std::string_view kind = NameIn(KindNames, prompt.kind);
  if (kind.empty()) {
    json += "null";
  } else {
    AppendString(json, kind);
  }
  const std::array<std::pair<std::string_view, std::int32_t>, 5> numbers = {{
      {"first", prompt.first},
      {"second", prompt.second},
      {"attempt", prompt.attempt},
      {"triesLeft", prompt.triesLeft},
      {"player", prompt.player},
  }};
  for (const auto& [field, value] : numbers) {
    AppendField(json, field);
    AppendNumber(json, value);
  }
  AppendField(json, "name");
  AppendString(json, prompt.name);
  AppendField(json, "judged");
  AppendJudged(json, prompt.judged);
  AppendField(json, "ended");
  AppendEnded(json, prompt);
  json += '}';
  return json;
}

}  // namespace orvanell
