#pragma once
// The messages between a later start of Termora and the running one, over
// the user's private local socket: one JSON object on one line each way, at
// most kMaxMessageBytes long. A request looks a term up, brings the window
// to the front, or asks what the window shows (the search box, the result
// counter); the answer says whether it was done.

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace termora::instance {

inline constexpr qsizetype kMaxMessageBytes = 4096;

struct Request {
    enum class Kind { Lookup, Show, Status };
    Kind kind = Kind::Show;
    QString term;  // Lookup only
    bool operator==(const Request&) const = default;
};

// What the window that takes the requests shows.
struct WindowState {
    bool dictionaryInFront = false;
    QString find;     // the search box
    QString counter;  // the result counter
    bool operator==(const WindowState&) const = default;
};

struct Answer {
    bool ok = true;
    QString error;                     // why it was refused, when not ok
    std::optional<WindowState> state;  // the answer to Status
    bool operator==(const Answer&) const = default;
};

// One line each, ending in "\n".
QByteArray encodeRequest(const Request& request);
QByteArray encodeAnswer(const Answer& answer);

// The message of one line (its line end removed), or why it is refused.
std::variant<Request, QString> decodeRequest(const QByteArray& line);
std::variant<Answer, QString> decodeAnswer(const QByteArray& line);

}  // namespace termora::instance
