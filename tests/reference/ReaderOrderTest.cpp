// The order of names in the code grids: accents and case count last, and
// nothing depends on the machine's language settings.

#include <gtest/gtest.h>

#include "reference/ReaderOrder.h"

namespace {

using termora::reference::compareForReader;
using termora::reference::readerKey;

struct Case {
    const char* a;
    const char* b;
    Qt::CaseSensitivity sensitivity;
    int expected;  // the sign of the comparison
};

int sign(int value) { return (value > 0) - (value < 0); }

class ReaderOrder : public testing::TestWithParam<Case> {};

TEST_P(ReaderOrder, ComparesAsAReaderExpects) {
    const Case& c = GetParam();
    EXPECT_EQ(sign(compareForReader(QString::fromUtf8(c.a), QString::fromUtf8(c.b), c.sensitivity)), c.expected)
        << c.a << " / " << c.b;
    EXPECT_EQ(sign(compareForReader(QString::fromUtf8(c.b), QString::fromUtf8(c.a), c.sensitivity)), -c.expected)
        << c.b << " / " << c.a;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ReaderOrder,
    testing::Values(Case{"Costa Rica", "Côte d'Ivoire", Qt::CaseSensitive, -1},
                    Case{"Côte d'Ivoire", "Croatia/Hrvatska", Qt::CaseSensitive, -1},
                    Case{"Côte d'Ivoire", "Czech Republic", Qt::CaseSensitive, -1},
                    Case{"Samoa Tala", "São Principe and Tome Dobra", Qt::CaseSensitive, -1},
                    Case{"São Principe and Tome Dobra", "Saudi Arabia Riyal", Qt::CaseSensitive, -1},
                    Case{"Réunion", "Romania", Qt::CaseSensitive, -1},
                    Case{"Cuba", "Curaçao", Qt::CaseSensitive, -1},
                    Case{"Curaçao", "Cyprus", Qt::CaseSensitive, -1},
                    Case{"PokèChain", "PokeMon", Qt::CaseInsensitive, -1},
                    Case{"bitUSD", "BitZeny", Qt::CaseInsensitive, -1},
                    Case{"007Coin", "Afghanistan", Qt::CaseSensitive, -1},
                    Case{"", ".af", Qt::CaseSensitive, -1},
                    Case{"Cote", "Côte", Qt::CaseSensitive, -1},
                    Case{"Cote", "Côte", Qt::CaseInsensitive, -1},
                    Case{"ABC", "abc", Qt::CaseInsensitive, 0},
                    Case{"ABC", "abc", Qt::CaseSensitive, -1},
                    Case{"Euro", "Euro", Qt::CaseSensitive, 0}));

TEST(ReaderKey, DropsAccentsAndCase) {
    EXPECT_EQ(readerKey(QString::fromUtf8("Communauté Financière")), QString("communaute financiere"));
    EXPECT_EQ(readerKey(QString::fromUtf8("SÃO TOMÉ")), QString("sao tome"));
    EXPECT_EQ(readerKey(".GB"), QString(".gb"));
}

}  // namespace
