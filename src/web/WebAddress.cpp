#include "web/WebAddress.h"

namespace termora::web {

QString EncodeTerm(const QString& term, int plusMode, int spaceMode) {
    QString out = term;
    switch (plusMode) {
        case 1: out.replace(QLatin1Char('+'), QStringLiteral("%2B")); break;
        case 2: out.replace(QLatin1Char('+'), QStringLiteral("%252B")); break;
        default: break;
    }
    switch (spaceMode) {
        case -1: out.replace(QLatin1Char(' '), QLatin1Char('-')); break;
        case 0: out.replace(QLatin1Char(' '), QStringLiteral("%20")); break;
        case 1: out.replace(QLatin1Char(' '), QLatin1Char('+')); break;
        case 2: out.replace(QLatin1Char(' '), QLatin1Char('_')); break;
        default: break;
    }
    return out;
}

namespace {

bool isDrivePath(const QString& text) {
    return text.size() >= 3 && text[1] == QLatin1Char(':') &&
           (text[2] == QLatin1Char('\\') || text[2] == QLatin1Char('/'));
}

bool startsWithAny(const QString& text, std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes) {
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    }
    return false;
}

QString withScheme(const QString& text) {
    if (text.startsWith(QLatin1String("ftp."), Qt::CaseInsensitive)) return QStringLiteral("ftp://") + text;
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) return text;
    if (isDrivePath(text)) return QStringLiteral("file:///") + text;
    // ftp:// and file:/// are what this function itself makes of the two
    // cases above; giving them "http://" as well would break them.
    if (startsWithAny(text, {"http://", "https://", "ftp://", "file:///"})) return text;
    return QStringLiteral("http://") + text;
}

}  // namespace

QString NormalizeURL(const QString& text) {
    return withScheme(text).replace(QLatin1Char(' '), QStringLiteral("%20"));
}

QString PercentEncode(const QString& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
        if (plain) {
            out += QLatin1Char(c);
        } else {
            out += QLatin1Char('%');
            out += QLatin1Char(kHex[byte >> 4]);
            out += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return out;
}

QString FillTemplate(const QString& urlTemplate, const QString& value) {
    return QString(urlTemplate).replace(QStringLiteral("%s"), value);
}

QString TrimControl(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= ' ') ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ') --end;
    return text.mid(begin, end - begin);
}

}  // namespace termora::web
