// Filling one of the program's own list boxes from a text file and saving it back, one item per
// line, the way the reasons list is kept between runs. A missing file adds nothing.
#pragma once

#include <string>

#include "core/form_model.h"
#include "platform/event_loop.h"
#include "platform/files.h"

namespace drelm {

// Appends each line (CR, LF or CRLF ended) as one item, pumping events between lines.
void LoadListFromFile(EventLoop& loop, Files& files, const std::string& file, ListBox& list);

// One item a line, CRLF-ended, replacing the file atomically. False when it was not written.
bool SaveListToFile(Files& files, const std::string& file, const ListBox& list);

}  // namespace drelm
