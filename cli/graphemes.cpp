#include "cli/graphemes.h"

#include <unicode/ubrk.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace bw::cli {

std::optional<std::vector<std::size_t>> GraphemeEnds(TextView text, std::string& error) {
  std::vector<std::size_t> ends;
  if (text.empty()) return ends;
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    error = "a line of more than 2^31 units is too long to cut into characters";
    return std::nullopt;
  }
  UErrorCode status = U_ZERO_ERROR;
  // The root locale: the default rules, whatever the user's language.
  const std::unique_ptr<UBreakIterator, decltype(&ubrk_close)> breaks(
      ubrk_open(UBRK_CHARACTER, "", text.data(), static_cast<std::int32_t>(text.size()), &status),
      &ubrk_close);
  if (U_FAILURE(status)) {
    error = std::string("cannot cut the text into characters: ") + u_errorName(status);
    return std::nullopt;
  }
  for (std::int32_t end = ubrk_next(breaks.get()); end != UBRK_DONE;
       end = ubrk_next(breaks.get())) {
    ends.push_back(static_cast<std::size_t>(end));
  }
  return ends;
}

}  // namespace bw::cli
