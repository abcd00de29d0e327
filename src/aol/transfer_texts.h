// The text surgery that turns AOL's transfer captions and statics into the short texts of the
// status line: minutes left, percentage and file name. Pure functions of the texts read, so the
// reader only has to find the windows.
#pragma once

#include <cstdint>
#include <string>

namespace drelm {

// What a reader gives when AOL words a text in a way it does not know.
inline constexpr const char* kUploadNotANumber = "n/a ";
inline constexpr const char* kUploadNotANumberDash = "-";

// "About 12 minutes remaining." -> "12", "About 1 minute remaining." -> "1"; "0" for less than a
// minute and while AOL is calculating.
std::string DownloadTimeLeftOf(const std::string& remaining);
// "File Transfer - 45%" -> "45"; "0" for a caption without the percentage.
std::string DownloadPercentOf(const std::string& caption);
// "AOL Is Now Downloading Song.MP3" -> "song.mp3", not yet shortened.
std::string DownloadFileNameOf(const std::string& firstStatic);

// AOL 7's upload window: "<b>na</b>" for less than a minute, "calculat'ing" while calculating,
// else the minutes.
std::string Upload7TimeLeftOf(const std::string& remaining);
std::string Upload7PercentOf(const std::string& caption);
std::string Upload7FileNameOf(const std::string& firstStatic);

// The upload "_AOL_Modal" of AOL 4 to 6. The time left reads the minutes of the second static
// from the position of the first blank after "...ing" in the first; notANumber when the minutes
// are not a number.
std::string ModalTimeLeftOf(const std::string& firstStatic, const std::string& secondStatic);
// "File Transfer - 37%" -> "37"; "" without " - "; notANumber when no number is left.
std::string ModalPercentOf(const std::string& title, const std::string& notANumber);
// The name after "Uploading "; "" when the static does not name an upload.
std::string ModalFileNameOf(const std::string& firstStatic);

// A name longer than maxLength becomes a double quote, its first maxLength characters, "..."
// and a double quote, when shortening is on; otherwise it stays as it is.
std::string ShortenFileName(const std::string& name, bool shortenOn, std::int64_t maxLength);

}  // namespace drelm
