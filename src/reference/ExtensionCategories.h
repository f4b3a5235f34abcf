#pragma once
// The categories of the file-extension catalogue, in the order of the page's
// category list. Each is one member of FileExtension.db, named after it.

#include <array>
#include <string>
#include <string_view>

namespace termora::reference {

inline constexpr std::array<std::string_view, 22> kExtensionCategories = {
    "Abbreviation File", "Application file", "Archive File",   "Audio File",     "Configuration File",
    "Data File",         "Development File", "Disk Image File", "Document File", "EBook File",
    "Font File",         "Game Data File",   "GIS File",       "Graphic File",   "Malware File",
    "Multimedia File",   "Other File",       "Project File",   "Scam File",      "Unknown File",
    "Video File",        "( SHOW ALL )",
};

// The archive member that holds a category: its text followed by ".txt".
inline std::string categoryMemberName(std::string_view category) { return std::string(category) + ".txt"; }

// The archive's file name beside the program.
inline constexpr std::string_view kExtensionArchiveName = "FileExtension.db";

}  // namespace termora::reference
