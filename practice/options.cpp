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

}  // namespace

std::optional<PracticeOptions> ParsePracticeOptions(const std::vector<Text>& args, Text* error) {
  PracticeOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const TextView arg = args[i];
    const std::size_t equals = arg.find(u'=');
    const TextView name = arg.substr(0, equals);
    if (Text* value = ValueTarget(options, name)) {
      if (equals != TextView::npos) {
        *value = Text(arg.substr(equals + 1));
      } else if (i + 1 < args.size()) {
        *value = args[++i];
      } else {
        if (error) *error = Text(name) + u" needs a value.";
        return std::nullopt;
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
