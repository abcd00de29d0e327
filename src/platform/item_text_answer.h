// A list or combo box item's text asked for with the ANSI message (LB_GETTEXT, CB_GETLBTEXT), as
// on the Windows whose wide functions are stubs. Wine answers that message across processes in
// UTF-16, so the buffer is made big enough for either answer and what came back is recognised
// from the item's length and the bytes the answer left in the zero-filled buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace drelm {

// Bytes to zero-fill for an item of this many characters: a UTF-16 answer and its terminator,
// and room for the item data a list without strings hands back instead.
std::size_t ItemTextBufferBytes(std::size_t length);

struct ItemTextAnswer {
  bool utf16 = false;
  std::string ansi;     // when !utf16
  std::u16string wide;  // when utf16, for the caller to convert to the ANSI code page
};

// An ANSI answer is at most length bytes, then nothing but zeros to the end of the room a UTF-16
// answer of that length would take; anything else is read as UTF-16 up to its terminator.
ItemTextAnswer RecogniseItemText(std::string_view buffer, std::size_t length);

}  // namespace drelm
