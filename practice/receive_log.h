#pragma once
// The log that end-to-end tests read instead of the screen (PracticeRoom --log FILE).
// One line per event, each ending in "\n", appended and flushed as it happens:
//
//   ready        every window of the client exists; sends can start
//   chat HEX     the chat room's send control was pressed
//   im HEX       the Instant Message window's Send button was pressed
//
// HEX is the exact Windows-1252 bytes that stood in the input box at the press, two
// upper-case hexadecimal digits per byte, nothing between them. A press on an empty box
// is logged too, as "chat " or "im " with nothing after the space: a sender that pressed
// without writing first shows up instead of vanishing.
//   ReceivedLine(Channel::Chat, "Hi\xE9") == "chat 4869E9\n"

#include <string>
#include <string_view>

namespace bw {

enum class Channel { Chat, Im };

inline constexpr std::string_view kReadyLine = "ready\n";

[[nodiscard]] std::string ReceivedLine(Channel channel, std::string_view bytes);

}  // namespace bw
