#include "web/UrlServices.h"

#include "base/TermoraConstants.h"
#include "web/WebAddress.h"

namespace termora::web {
namespace {

namespace account = termora::constants;

QString adflyTemplate(const char* domain) {
    return QStringLiteral("http://api.adf.ly/api.php?key=%1&uid=%2&advert_type=banner&domain=%3&url=%s")
        .arg(QLatin1String(account::kAdflyApiKey), QLatin1String(account::kAdflyUserId), QLatin1String(domain));
}

std::vector<Shortener> makeShorteners() {
    const auto service = [](const char* button, const QString& urlTemplate, bool encode) {
        return Shortener{QLatin1String(button), urlTemplate, 0, 0, encode};
    };
    return {
        service("sBitBtn7",
                QStringLiteral("http://cur.lv/api/?key=%1&url=%s").arg(QLatin1String(account::kCurlvApiKey)), false),
        service("Button19", adflyTemplate("q.gs"), true),
        service("adfly", adflyTemplate("adf.ly"), true),
        service("usBitly",
                QStringLiteral("http://api.bitly.com/v3/shorten?login=%1&apiKey=%2&longUrl=%s&format=txt")
                    .arg(QLatin1String(account::kBitlyLogin), QLatin1String(account::kBitlyApiKey)),
                true),
        service("usCligs",
                QStringLiteral("http://cli.gs/api/v1/cligs/create?key=%1&appid=URLBarExt&url=%s")
                    .arg(QLatin1String(account::kCligsApiKey)),
                true),
        service("usISGD", QStringLiteral("http://is.gd/create.php?format=simple&url=%s"), true),
        service("usNinja", QStringLiteral("http://www.ninjurl.com/?%s"), true),
        service("usQRDE", QStringLiteral("http://qr.de/?url=%s"), false),
        service("usShortURL", QStringLiteral("http://www.shorturl.com/make_url.php?longurl=%s"), true),
        service("usSnipr", QStringLiteral("http://snipr.com/site/snip?link=%s"), true),
        service("usTinyurl", QStringLiteral("http://tinyurl.com/create.php?url=%s"), true),
        service("usVGD", QStringLiteral("https://v.gd/create.php?format=simple&url=%s"), false),
    };
}

}  // namespace

const std::vector<Shortener>& shorteners() {
    static const std::vector<Shortener> all = makeShorteners();
    return all;
}

const Shortener* findShortener(const QString& button) {
    for (const Shortener& service : shorteners()) {
        if (service.button == button) return &service;
    }
    return nullptr;
}

std::optional<QString> shortenerAddress(const Shortener& service, const QString& text) {
    const QString trimmed = TrimControl(text);
    if (trimmed.isEmpty()) return std::nullopt;
    QString value = NormalizeURL(EncodeTerm(trimmed, service.plusMode, service.spaceMode));
    if (service.encode) value = PercentEncode(value);
    return FillTemplate(service.urlTemplate, value);
}

const std::array<Expander, 4> kExpanders = {{
    {"BitBtn3", "http://longurl.org/expand?url=", false},
    {"sBitBtn8", "http://www.checkshorturl.com/expand.php?u=", false},
    {"sBitBtn9", "http://www.expandurl.com/expand?url=", true},
    {"sBitBtn10", "http://untiny.me/api/1.0/extract?format=text&url=", true},
}};

int findExpander(const QString& button) {
    for (std::size_t i = 0; i < kExpanders.size(); ++i) {
        if (button == QLatin1String(kExpanders[i].button)) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::optional<QString> expanderAddress(int number, const QString& text) {
    if (text.isEmpty() || number < 1 || number > static_cast<int>(kExpanders.size())) return std::nullopt;
    const Expander& service = kExpanders[static_cast<std::size_t>(number - 1)];
    QString value = NormalizeURL(text);
    if (service.encode) value = PercentEncode(value);
    return QLatin1String(service.prefix) + value;
}

}  // namespace termora::web
