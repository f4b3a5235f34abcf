#pragma once
// Where the program finds and keeps its files.

#include <QString>

namespace termora::paths {

// The program's directory with its trailing separator (ProgramDir).
QString programDir();

// The shared temporary directory with a trailing separator.
QString tempDir();

// The user's home directory, where the record export writes SA.txt.
QString homeDir();

}  // namespace termora::paths
