#include "tools/RecordExport.h"

#include "platform/AppPaths.h"
#include "platform/UserError.h"
#include "store/RecordLine.h"
#include "views/DictionaryText.h"

namespace termora::tools {
namespace {

QByteArray bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string storableBytes(const QString& text, const QString& path) {
    const auto converted = dictionaryBytes(text);
    if (!converted) {
        throw UserError(QStringLiteral("Cannot write \"%1\" to \"%2\": it holds a character outside the Windows-1252 code page.")
                            .arg(text, path));
    }
    return *converted;
}

}  // namespace

QList<QByteArray> recordLinesOfTable(const AcronymStore& store, QChar letter) {
    QList<QByteArray> lines;
    const char16_t c = letter.toUpper().unicode();
    if (c < u'A' || c > u'Z') return lines;
    for (const TSL& record : store.table(c - u'A')) lines.append(bytes(formatRecordLine(record.S, record.L)));
    return lines;
}

QByteArray typedRecordLine(const QString& key, const QString& expansion) {
    const QString path = newEntriesPath();
    return bytes(formatRecordLine(storableBytes(key, path), storableBytes(expansion, path)));
}

QString exportPath() { return paths::homeDir() + QStringLiteral("SA.txt"); }

QString newEntriesPath() { return paths::userDataDir() + QStringLiteral("New.txt"); }

}  // namespace termora::tools
