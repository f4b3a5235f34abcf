#pragma once
// Where the program finds and keeps its files. An installed program's own
// folder is never written: what the user changes lives in the user's
// configuration and data folders, temporary files in a private folder.

#include <QString>

namespace termora::paths {

// The program's directory with its trailing separator (ProgramDir).
QString programDir();

// The folder of the data the program only reads (FileExtension.db), with a
// trailing separator: <prefix>/share/termora/ once installed, the program's
// own folder in the build tree or a portable copy.
QString dataDir();
// The same rule for a program in programDir (with its trailing separator).
QString dataDirOf(const QString& programDir);

// The user's configuration folder of the maker's programs, where the
// browser list lives beside the registry file: $XDG_CONFIG_HOME/Velmont/.
QString userConfigDir();

// The user's data folder of this program, where hand-added entries live:
// $XDG_DATA_HOME/termora/.
QString userDataDir();

// Creates the folder that is to hold the file, when missing, so that a
// first write succeeds. A failure shows in the write that follows.
void makeFolderFor(const QString& filePath);

// The path of the named file in the user's private temporary folder:
// $XDG_RUNTIME_DIR/termora/ or, without a usable runtime folder,
// termora-<uid>/ under the temporary folder ($TMPDIR, or /tmp when that is
// unusable). The folder is made with mode 0700 when missing and checked on
// every call. Throws UserError "Cannot create file \"%s\". %s" with the
// file's path when the folder cannot be made or is not a real folder of
// this user.
QString tempFile(const QString& name);

// The user's home directory, where the record export writes SA.txt.
QString homeDir();

}  // namespace termora::paths
