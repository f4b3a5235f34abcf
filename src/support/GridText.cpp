#include "support/GridText.h"

#include "platform/Windows1252.h"

#include <QStringDecoder>

namespace termora::support {
namespace {

QString decode(const QByteArray& bytes) {
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    const bool bigEndian = bytes.startsWith("\xFE\xFF");
    if (littleEndian || bigEndian) {
        QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes.mid(2));
    }
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const char32_t scalar = cp1252::toUnicode(static_cast<unsigned char>(byte));
        text.append(QChar(static_cast<char16_t>(scalar)));
    }
    return text;
}

// Lines end at CR LF, a lone CR or a lone LF; a final break adds no row.
QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

QStringList splitFields(const QString& line) {
    QStringList fields;
    QString current;
    bool quoted = false;
    bool atFieldStart = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"') current.append(c);
            else if (i + 1 < line.size() && line[i + 1] == u'"') current.append(line[++i]);
            else quoted = false;
            continue;
        }
        if (c == u'\t') {
            fields.append(current);
            current.clear();
            atFieldStart = true;
            continue;
        }
        if (c == u'"' && atFieldStart) quoted = true;
        else current.append(c);
        atFieldStart = false;
    }
    fields.append(current);
    return fields;
}

}  // namespace

QByteArray encodeUtf16Lines(const QStringList& lines) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString& line : lines) {
        for (const QChar c : line + QStringLiteral("\r\n")) {
            bytes.append(static_cast<char>(c.unicode() & 0xFF));
            bytes.append(static_cast<char>(c.unicode() >> 8));
        }
    }
    return bytes;
}

QByteArray encodeCp1252Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (const char32_t scalar : line.toUcs4()) {
            bytes.append(static_cast<char>(cp1252::fromUnicode(scalar).value_or('?')));
        }
        bytes.append("\r\n");
    }
    return bytes;
}

GridRows parseGridText(const QByteArray& bytes) {
    GridRows rows;
    for (const QString& line : splitLines(decode(bytes))) {
        QStringList fields = splitFields(line);
        for (QString& f : fields) f.replace(QLatin1Char('|'), QLatin1Char('\n'));
        rows.append(fields);
    }
    return rows;
}

QString field(const QStringList& row, int index) { return index < row.size() ? row[index] : QString(); }

}  // namespace termora::support
