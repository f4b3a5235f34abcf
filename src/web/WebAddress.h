#pragma once
// Building web addresses from the user's text: the substitutions for search
// terms, giving an address a scheme, percent-encoding and template filling.

#include <QString>

namespace termora::web {

// Plus signs first (mode 1: "%2B", mode 2: "%252B", other modes: kept), then
// blanks (-1: "-", 0: "%20", 1: "+", 2: "_", other modes: kept). Nothing
// else is touched, so the blanks turned into "+" are never encoded.
QString EncodeTerm(const QString& term, int plusMode, int spaceMode);

// Gives an address a scheme: "ftp." hosts get "ftp://", drive paths
// "file:///", mailto and addresses with a scheme of their own stay, all
// others get "http://". Blanks become "%20" afterwards.
QString NormalizeURL(const QString& text);

// Every byte of the text's UTF-8 form except ASCII letters and digits as
// "%" and two uppercase hexadecimal digits.
QString PercentEncode(const QString& text);

// The template with every "%s" replaced by the value.
QString FillTemplate(const QString& urlTemplate, const QString& value);

// The text without blanks and control characters at either end.
QString TrimControl(const QString& text);

}  // namespace termora::web
