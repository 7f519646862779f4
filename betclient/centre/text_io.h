// The thin edge where the centre's texts meet files: Windows text files
// written through the platform (so they carry the writer's clock).
#pragma once

#include <string>
#include <vector>

namespace centre {

// Replaces the file with the lines, each ended by a line break.
bool writeLines(const std::string& path, const std::vector<std::string>& lines);
// Replaces the file with the text.
bool writeText(const std::string& path, const std::string& text);
// Replaces the file whole: the text goes to a temporary file beside it,
// which is then renamed over it, so the file holds either its old text or
// the new one (never a part of either, whatever happens meanwhile).
bool replaceText(const std::string& path, const std::string& text);
// The whole text of a file (line ends as "\n"); false when it cannot be opened.
bool readText(const std::string& path, std::string& text);
bool fileExists(const std::string& path);

}  // namespace centre
