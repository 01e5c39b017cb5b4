#include "practice/options.h"

namespace bw {

namespace {

Text* TextTarget(PracticeOptions& options, TextView name) {
  if (name == u"--sn") return &options.screenName;
  if (name == u"--room") return &options.room;
  if (name == u"--partner") return &options.partner;
  if (name == u"--log") return &options.logPath;
  return nullptr;
}

// A whole-number option: where it goes and its largest value.
struct NumberTarget {
  unsigned* value;
  unsigned max;
};

std::optional<NumberTarget> NumberTargetOf(PracticeOptions& options, TextView name) {
  if (name == u"--write-delay") return NumberTarget{&options.writeDelayMs, 86'400'000};  // a day
  if (name == u"--delay-after") return NumberTarget{&options.delayAfterWrites, 1'000'000};
  return std::nullopt;
}

bool* SwitchTarget(PracticeOptions& options, TextView name) {
  if (name == u"--no-chat") return &options.chat;
  if (name == u"--no-im") return &options.im;
  if (name == u"--no-welcome") return &options.welcome;
  return nullptr;
}

// Decimal digits only, at most `max`.
std::optional<unsigned> WholeNumber(TextView value, unsigned max) {
  if (value.empty()) return std::nullopt;
  unsigned long long number = 0;
  for (const char16_t c : value) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(c - u'0');
    if (number > max) return std::nullopt;
  }
  return static_cast<unsigned>(number);
}

}  // namespace

std::optional<PracticeOptions> ParsePracticeOptions(const std::vector<Text>& args, Text* error) {
  PracticeOptions options;
  const auto fail = [error](Text reason) {
    if (error) *error = std::move(reason);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const TextView arg = args[i];
    const std::size_t equals = arg.find(u'=');
    const TextView name = arg.substr(0, equals);
    Text* text = TextTarget(options, name);
    const std::optional<NumberTarget> number = NumberTargetOf(options, name);
    if (text || number) {
      Text value;
      if (equals != TextView::npos) {
        value = Text(arg.substr(equals + 1));
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return fail(Text(name) + u" needs a value.");
      }
      if (text) {
        *text = std::move(value);
      } else if (const auto parsed = WholeNumber(value, number->max)) {
        *number->value = *parsed;
      } else {
        return fail(Text(name) + u" needs a whole number.");
      }
    } else if (bool* flag = SwitchTarget(options, arg)) {
      *flag = false;
    } else {
      return fail(u"Unknown argument: " + Text(arg));
    }
  }
  return options;
}

}  // namespace bw
