#include "app/InstanceProtocol.h"

#include "app/LookupTerm.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace termora::instance {
namespace {

const QLatin1String kLookup("lookup");
const QLatin1String kShow("show");
const QLatin1String kStatus("status");

QByteArray line(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'; }

// The one JSON object of a line, or why it is none.
std::variant<QJsonObject, QString> objectOf(const QByteArray& line) {
    if (line.size() > kMaxMessageBytes) {
        return QStringLiteral("the message is longer than %1 bytes").arg(kMaxMessageBytes);
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return QStringLiteral("the message is no JSON object");
    }
    return document.object();
}

// Why the term of a lookup request cannot be looked up, or nothing.
std::optional<QString> termProblemOf(const QJsonValue& value) {
    if (!value.isString()) return QStringLiteral("the lookup has no term");
    const QString term = value.toString();
    // A lone surrogate would pass the UTF-8 conversion as a replacement character.
    if (!QStringView(term).isValidUtf16()) return QStringLiteral("the term is not valid UTF-16");
    if (const auto problem = launch::termProblem(term.toStdString())) {
        return QStringLiteral("the term ") + QString::fromStdString(*problem);
    }
    return std::nullopt;
}

}  // namespace

QByteArray encodeRequest(const Request& request) {
    switch (request.kind) {
        case Request::Kind::Lookup: return line({{"request", kLookup}, {"term", request.term}});
        case Request::Kind::Show: return line({{"request", kShow}});
        case Request::Kind::Status: return line({{"request", kStatus}});
    }
    return {};
}

QByteArray encodeAnswer(const Answer& answer) {
    QJsonObject object{{"ok", answer.ok}};
    if (!answer.ok) object.insert("error", answer.error);
    if (answer.state) {
        object.insert("dictionaryInFront", answer.state->dictionaryInFront);
        object.insert("find", answer.state->find);
        object.insert("counter", answer.state->counter);
    }
    return line(object);
}

std::variant<Request, QString> decodeRequest(const QByteArray& line) {
    const auto parsed = objectOf(line);
    if (const auto* problem = std::get_if<QString>(&parsed)) return *problem;
    const QJsonObject& object = std::get<QJsonObject>(parsed);
    const QString kind = object.value("request").toString();
    if (kind == kShow) return Request{Request::Kind::Show, {}};
    if (kind == kStatus) return Request{Request::Kind::Status, {}};
    if (kind != kLookup) return QStringLiteral("unknown request \"%1\"").arg(kind.left(40));
    const QJsonValue term = object.value("term");
    if (const auto problem = termProblemOf(term)) return *problem;
    return Request{Request::Kind::Lookup, term.toString()};
}

std::variant<Answer, QString> decodeAnswer(const QByteArray& line) {
    const auto parsed = objectOf(line);
    if (const auto* problem = std::get_if<QString>(&parsed)) return *problem;
    const QJsonObject& object = std::get<QJsonObject>(parsed);
    if (!object.value("ok").isBool()) return QStringLiteral("the answer says neither done nor refused");
    Answer answer{object.value("ok").toBool(), object.value("error").toString(), std::nullopt};
    if (object.contains("find")) {
        answer.state = WindowState{object.value("dictionaryInFront").toBool(), object.value("find").toString(),
                                   object.value("counter").toString()};
    }
    return answer;
}

}  // namespace termora::instance
