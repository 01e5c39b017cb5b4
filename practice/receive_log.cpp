#include "practice/receive_log.h"

namespace bw {

std::string ReceivedLine(Channel channel, std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string line = channel == Channel::Chat ? "chat " : "im ";
  for (const char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    line.push_back(kDigits[byte >> 4]);
    line.push_back(kDigits[byte & 0x0F]);
  }
  line.push_back('\n');
  return line;
}

}  // namespace bw
