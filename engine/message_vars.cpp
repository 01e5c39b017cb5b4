#include "engine/message_vars.h"

#include "engine/replace_text.h"

namespace bw {

Text ReplaceVars(TextView sText, MessageContext& context) {
  Text text(sText);
  const Text me = context.UserScreenName();
  text = ReplaceText(text, u"%me%", me, false);
  const Text you = context.ImPartner();
  text = ReplaceText(text, u"%you%", you, false);
  const Text room = context.RoomName();
  text = ReplaceText(text, u"%room%", room, false);
  return text;
}

}  // namespace bw
