// Paths as ANSI byte strings, split and joined with the separators of the system we run on:
// "\" on Windows (which takes "/" too), "/" elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace drelm {

// The name in the folder; no separator is doubled.
std::string PathInFolder(std::string_view folder, std::string_view name);

// The folder a path names a file in ("." for a bare name), and the file's own name.
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);

}  // namespace drelm
