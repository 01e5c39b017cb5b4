#include "practice/options.h"

namespace bw {

namespace {

Text* ValueTarget(PracticeOptions& options, TextView name) {
  if (name == u"--sn") return &options.screenName;
  if (name == u"--room") return &options.room;
  if (name == u"--partner") return &options.partner;
  if (name == u"--log") return &options.logPath;
  return nullptr;
}

bool* SwitchTarget(PracticeOptions& options, TextView name) {
  if (name == u"--no-chat") return &options.chat;
  if (name == u"--no-im") return &options.im;
  if (name == u"--no-welcome") return &options.welcome;
  return nullptr;
}

// A whole number of milliseconds, at most a day.
std::optional<unsigned> Milliseconds(TextView value) {
  if (value.empty() || value.size() > 8) return std::nullopt;
  unsigned ms = 0;
  for (const char16_t c : value) {
    if (c < u'0' || c > u'9') return std::nullopt;
    ms = ms * 10 + static_cast<unsigned>(c - u'0');
  }
  if (ms > 86400000) return std::nullopt;
  return ms;
}

}  // namespace

std::optional<PracticeOptions> ParsePracticeOptions(const std::vector<Text>& args, Text* error) {
  PracticeOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const TextView arg = args[i];
    const std::size_t equals = arg.find(u'=');
    const TextView name = arg.substr(0, equals);
    Text delay;
    Text* value = name == u"--write-delay" ? &delay : ValueTarget(options, name);
    if (value) {
      if (equals != TextView::npos) {
        *value = Text(arg.substr(equals + 1));
      } else if (i + 1 < args.size()) {
        *value = args[++i];
      } else {
        if (error) *error = Text(name) + u" needs a value.";
        return std::nullopt;
      }
      if (value == &delay) {
        const auto ms = Milliseconds(delay);
        if (!ms) {
          if (error) *error = u"--write-delay needs a whole number of milliseconds.";
          return std::nullopt;
        }
        options.writeDelayMs = *ms;
      }
    } else if (bool* flag = SwitchTarget(options, arg)) {
      *flag = false;
    } else {
      if (error) *error = u"Unknown argument: " + Text(arg);
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace bw
