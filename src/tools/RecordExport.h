#pragma once
// The maintainers' record lines: a letter table exported as source text, and
// hand-typed entries, both in the record-line form of the data file.

#include "store/AcronymStore.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace termora::tools {

// The record lines of the table of letter (A to Z, either case), in table
// order; nothing for any other character.
QList<QByteArray> recordLinesOfTable(const AcronymStore& store, QChar letter);

// The record line of a typed key and expansion. Throws UserError when a
// character cannot be stored in the Windows-1252 file.
QByteArray typedRecordLine(const QString& key, const QString& expansion);

// Where the export is written: SA.txt in the user's home directory.
QString exportPath();

// The add-entry file in the user's data folder.
QString newEntriesPath();

}  // namespace termora::tools
