// The start's rules: the command line, the terms it may look up, the
// selected text made a term, and the hand-over messages.

#include "app/CommandLine.h"
#include "app/InstanceProtocol.h"
#include "app/LookupTerm.h"
#include "app/SelectionTerm.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>

// Failures show texts as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace termora {
namespace {

using Args = std::vector<std::string>;
using launch::CommandLine;

TEST(CommandLine, ReadsTermsSelectionHelpAndTheToolkitsOptions) {
    const std::string longest(launch::kMaxTermLength, 'x');
    const struct {
        Args args;
        std::optional<CommandLine> expected;  // nothing: a usage error
        const char* error;
    } cases[] = {
        {{}, CommandLine{}, ""},
        {{"ram"}, CommandLine{false, false, "ram"}, ""},
        {{"teller machine"}, CommandLine{false, false, "teller machine"}, ""},
        {{"caf\xc3\xa9"}, CommandLine{false, false, "caf\xc3\xa9"}, ""},
        {{""}, CommandLine{false, false, ""}, ""},
        {{"-"}, CommandLine{false, false, "-"}, ""},
        {{"--", "-ram"}, CommandLine{false, false, "-ram"}, ""},
        {{longest}, CommandLine{false, false, longest}, ""},
        {{"--selection"}, CommandLine{false, true, std::nullopt}, ""},
        {{"--help"}, CommandLine{true, false, std::nullopt}, ""},
        {{"-h", "ram"}, CommandLine{true, false, "ram"}, ""},
        // The toolkit's options, with and without their values, pass.
        {{"-session", "1f2e", "ram"}, CommandLine{false, false, "ram"}, ""},
        {{"--display", ":1", "--selection"}, CommandLine{false, true, std::nullopt}, ""},
        {{"-style=fusion", "-reverse", "ram"}, CommandLine{false, false, "ram"}, ""},
        {{"-platform", "offscreen"}, CommandLine{}, ""},
        // Usage errors.
        {{"--bogus"}, std::nullopt, "unknown option \"--bogus\""},
        {{"-x", "ram"}, std::nullopt, "unknown option \"-x\""},
        {{"ram", "atm"}, std::nullopt, "more than one TERM given: \"atm\""},
        {{"--selection", "ram"}, std::nullopt, "--selection takes no TERM"},
        {{"-display"}, std::nullopt, "-display needs a value"},
        {{longest + "x"}, std::nullopt, "TERM is longer than 256 characters"},
        {{"a\tb"}, std::nullopt, "TERM holds a control character (U+0009)"},
        {{"ram\xff"}, std::nullopt, "TERM is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const auto result = launch::parseCommandLine(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(result.commandLine, c.expected) << shown;
        EXPECT_NE(result.error.find(c.error), std::string::npos) << shown << ": " << result.error;
    }
}

TEST(LookupTerm, RefusesBrokenTextControlCharactersAndLengthInCharacters) {
    const std::string euros = [] {
        std::string text;
        for (std::size_t i = 0; i < launch::kMaxTermLength; ++i) text += "\xe2\x82\xac";
        return text;
    }();
    const struct {
        std::string term;
        std::optional<std::string> problem;
    } cases[] = {
        {"RAM", std::nullopt},
        {"", std::nullopt},
        {euros, std::nullopt},  // 256 characters in 768 bytes
        {euros + "x", "is longer than 256 characters"},
        {"a\nb", "holds a control character (U+000A)"},
        {"a\x7f", "holds a control character (U+007F)"},
        {"a\xc2\x85", "holds a control character (U+0085)"},
        {"\xed\xa0\x80", "is not valid UTF-8"},  // an encoded surrogate
        {"\xc0\xaf", "is not valid UTF-8"},      // overlong
    };
    for (const auto& c : cases) EXPECT_EQ(launch::termProblem(c.term), c.problem) << c.term;
}

TEST(SelectionTerm, FirstLineTrimmedAtMostAHundredCharacters) {
    const QString hundred = QString(99, QLatin1Char('a')) + QStringLiteral("b");
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const struct {
        QString selected;
        QString term;
    } cases[] = {
        {"RAM", "RAM"},
        {"  RAM \n", "RAM"},
        {"\n\n  RAM\nrandom access memory", "RAM"},
        {"RAM\r\nmemory", "RAM"},
        {QStringLiteral("RAM\u2029memory"), "RAM"},
        {"random\taccess", "random access"},
        {hundred + "cd", hundred},
        {QString(99, QLatin1Char('a')) + " x", QString(99, QLatin1Char('a'))},               // no blank left at the cut
        {QString(99, QLatin1Char('a')) + clef + "z", QString(99, QLatin1Char('a')) + clef},  // a character, not a half
        {"", ""},
        {" \t\n ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(launch::termFromSelection(c.selected), c.term) << c.selected.toStdString();
}

using instance::Answer;
using instance::Request;
using instance::WindowState;

TEST(InstanceProtocol, MessagesSurviveTheirLine) {
    for (const Request& request : {Request{Request::Kind::Lookup, QStringLiteral("caf\u00e9 \"x\" \\")},
                                   Request{Request::Kind::Lookup, QString()}, Request{Request::Kind::Show, {}},
                                   Request{Request::Kind::Status, {}}}) {
        const QByteArray line = instance::encodeRequest(request);
        ASSERT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(line.count('\n'), 1);
        EXPECT_EQ(std::get<Request>(instance::decodeRequest(line.chopped(1))), request);
    }
    for (const Answer& answer :
         {Answer{}, Answer{false, QStringLiteral("refused"), std::nullopt},
          Answer{true, {}, WindowState{true, QStringLiteral("ram\n"), QStringLiteral("[ 1 / 7 ]")}}}) {
        const QByteArray line = instance::encodeAnswer(answer);
        EXPECT_EQ(line.count('\n'), 1);
        EXPECT_EQ(std::get<Answer>(instance::decodeAnswer(line.chopped(1))), answer);
    }
}

TEST(InstanceProtocol, RefusesWhatIsNoSoundRequest) {
    const struct {
        QByteArray line;
        const char* problem;
    } cases[] = {
        {"", "no JSON object"},
        {"lookup ram", "no JSON object"},
        {"[\"lookup\"]", "no JSON object"},
        {"{\"request\":\"lookup\",\"term\":\"ram\"", "no JSON object"},
        {"{\"request\":\"quit\"}", "unknown request \"quit\""},
        {"{\"term\":\"ram\"}", "unknown request \"\""},
        {"{\"request\":\"lookup\"}", "the lookup has no term"},
        {"{\"request\":\"lookup\",\"term\":5}", "the lookup has no term"},
        {"{\"request\":\"lookup\",\"term\":\"a\\tb\"}", "the term holds a control character (U+0009)"},
        {"{\"request\":\"lookup\",\"term\":\"\\ud800\"}", "the term is not valid UTF-16"},
        {"{\"request\":\"lookup\",\"term\":\"" + QByteArray(300, 'x') + "\"}",
         "the term is longer than 256 characters"},
        {"{\"request\":\"show\",\"pad\":\"" + QByteArray(instance::kMaxMessageBytes, 'x') + "\"}",
         "longer than 4096 bytes"},
    };
    for (const auto& c : cases) {
        const auto decoded = instance::decodeRequest(c.line);
        ASSERT_TRUE(std::holds_alternative<QString>(decoded)) << c.line.left(60).toStdString();
        EXPECT_TRUE(std::get<QString>(decoded).contains(QString::fromUtf8(c.problem)))
            << std::get<QString>(decoded).toStdString();
    }
}

}  // namespace
}  // namespace termora
