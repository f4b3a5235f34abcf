#include "reference/ExtensionCatalogue.h"

#include "platform/TextFile.h"
#include "platform/UserError.h"
#include "platform/Windows1252.h"
#include "reference/ExtensionCategories.h"
#include "reference/ZipReader.h"

#include <QFile>

#include <algorithm>

namespace termora::reference {
namespace {

bool lessIgnoringCase(const QByteArray& a, const QByteArray& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return cp1252::foldCase(static_cast<unsigned char>(x)) < cp1252::foldCase(static_cast<unsigned char>(y));
    });
}

QString display(const QByteArray& bytes) {
    return QString::fromStdString(cp1252::toUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

}  // namespace

QList<ExtensionRow> catalogueRows(const QByteArray& memberText) {
    QList<QByteArray> lines = textfile::splitLines(memberText);
    std::stable_sort(lines.begin(), lines.end(), lessIgnoringCase);
    QList<ExtensionRow> rows;
    rows.reserve(lines.size());
    for (const QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            rows.append({display(line), QString()});
        else
            rows.append({display(line.left(equals)), display(line.mid(equals + 1))});
    }
    return rows;
}

QList<ExtensionRow> readCategory(const QString& archivePath, const QString& category) {
    try {
        ZipReader reader;
        reader.open(QFile::encodeName(archivePath).toStdString());
        const std::string member = reader.extract(categoryMemberName(category.toStdString()), kCatalogueMemberLimits);
        reader.close();
        return catalogueRows(QByteArray::fromStdString(member));
    } catch (const ZipError& error) {
        throw UserError(QString::fromStdString(error.what()));
    }
}

}  // namespace termora::reference
