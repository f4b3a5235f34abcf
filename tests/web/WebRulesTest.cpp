// Address building, the browser list file and the update file.

#include "web/AcronymSites.h"
#include "web/BrowserList.h"
#include "web/UpdateInfo.h"
#include "web/UrlServices.h"
#include "web/WebAddress.h"

#include <QtTest>

using namespace termora::web;

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)

class WebRulesTest : public QObject {
    Q_OBJECT

private slots:
    void encodeTerm_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("plusMode");
        QTest::addColumn<int>("spaceMode");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("plus 1 space 0") << "R+D lab" << 1 << 0 << "R%2BD%20lab";
        QTest::newRow("plus 1 space 1: written plus not encoded") << "R+D lab" << 1 << 1 << "R%2BD+lab";
        QTest::newRow("plus 0 space 0") << "R+D lab" << 0 << 0 << "R+D%20lab";
        QTest::newRow("plus 2") << "A+B" << 2 << 0 << "A%252BB";
        QTest::newRow("space -1") << "A B" << 0 << -1 << "A-B";
        QTest::newRow("space 2") << "A B" << 0 << 2 << "A_B";
        QTest::newRow("space 3 keeps blanks") << "A B" << 0 << 3 << "A B";
        QTest::newRow("plus 3 keeps plus") << "a+b c" << 3 << 1 << "a+b+c";
        QTest::newRow("every occurrence") << "a+b+c d e" << 1 << 2 << "a%2Bb%2Bc_d_e";
        QTest::newRow("other characters pass") << "AT&T #1 ?/% é" << 1 << 0 << "AT&T%20#1%20?/%%20é";
    }
    void encodeTerm() {
        QFETCH(QString, term);
        QFETCH(int, plusMode);
        QFETCH(int, spaceMode);
        QFETCH(QString, encoded);
        QCOMPARE(EncodeTerm(term, plusMode, spaceMode), encoded);
    }

    void siteSearchAddress_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("address");
        const QString rd = "R+D lab";
        QTest::newRow("Abbreviations") << "acrAbbreviations" << rd << "http://www.abbreviations.com/R+D%20lab";
        QTest::newRow("Acronyma") << "acrAcronyma" << rd
                                  << "http://www.acronyma.com/search.jsp?query=R%2BD%20lab&language=en&st=a&btnG=Search";
        QTest::newRow("Acronym Finder") << "btnAcroFind" << rd
                                        << "http://www.acronymfinder.com/~/search/af.aspx?string=exact&Acronym=R%2BD%20lab";
        QTest::newRow("Acronymattic") << "acrAcronymattic" << rd << "http://www.acronymattic.com/R%2BD+lab.html";
        QTest::newRow("AcronymDB") << "acrAcroDB" << rd << "http://www.acronymdb.com/acronym/R%2BD+lab";
        QTest::newRow("Acronym Geek") << "acrAcroGeek" << rd << "http://www.acronymgeek.com/R%2BD+lab";
        QTest::newRow("All-Acronyms") << "acrAllAcro" << rd << "http://www.allacronyms.com/R%2BD+lab";
        QTest::newRow("Chemie") << "acrChemie" << rd << "http://www.chemie.de/cgi-bin/acronym?R%2BD+lab";
        QTest::newRow("FullForms") << "Button9" << rd << "http://www.fullforms.com/R%2BD%20lab";
        QTest::newRow("blanks only are searched") << "acrAbbreviations" << "  " << "http://www.abbreviations.com/%20%20";
        QTest::newRow("ampersand and number sign unencoded") << "btnAcroFind" << "A&B#C"
                                        << "http://www.acronymfinder.com/~/search/af.aspx?string=exact&Acronym=A&B#C";
        QTest::newRow("empty term") << "acrAbbreviations" << "" << "";
    }
    void siteSearchAddress() {
        QFETCH(QString, button);
        QFETCH(QString, term);
        QFETCH(QString, address);
        const AcronymSite* site = findAcronymSite(button);
        QVERIFY(site != nullptr);
        QCOMPARE(termora::web::siteSearchAddress(*site, term), address);
    }

    void normalizeUrl_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("no scheme, blank") << "example.com/a b" << "http://example.com/a%20b";
        QTest::newRow("https any case") << "HTTPS://example.org" << "HTTPS://example.org";
        QTest::newRow("http") << "http://x.y" << "http://x.y";
        QTest::newRow("ftp host") << "ftp.example.com" << "ftp://ftp.example.com";
        QTest::newRow("ftp host any case") << "FTP.example.com" << "ftp://FTP.example.com";
        QTest::newRow("mailto any case") << "MAILTO:someone" << "MAILTO:someone";
        QTest::newRow("drive path backslash") << "C:\\Docs\\a.txt" << "file:///C:\\Docs\\a.txt";
        QTest::newRow("drive path slash") << "d:/x" << "file:///d:/x";
        QTest::newRow("too short for a drive path") << "C:" << "http://C:";
        QTest::newRow("ftp address stays") << "ftp://ftp.example.com" << "ftp://ftp.example.com";
        QTest::newRow("file address stays") << "file:///C:\\Docs" << "file:///C:\\Docs";
        QTest::newRow("leading blank") << " x" << "http://%20x";
    }
    void normalizeUrl() {
        QFETCH(QString, text);
        QFETCH(QString, normalized);
        QCOMPARE(NormalizeURL(text), normalized);
        QCOMPARE(NormalizeURL(NormalizeURL(text)), normalized);
    }

    void percentEncode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("address") << "http://a.b/c?d=1" << "http%3A%2F%2Fa%2Eb%2Fc%3Fd%3D1";
        QTest::newRow("letters and digits stay") << "AZaz09" << "AZaz09";
        QTest::newRow("unreserved marks too") << "-._~%" << "%2D%2E%5F%7E%25";
        QTest::newRow("blank and tab") << " \t" << "%20%09";
        QTest::newRow("non-ASCII as UTF-8 bytes") << "é" << "%C3%A9";
    }
    void percentEncode() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(PercentEncode(text), encoded);
    }

    void shortenerAddress_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalText>("address");
        const QString encoded = "http%3A%2F%2Fexample%2Ecom";
        QTest::newRow("cur.lv") << "sBitBtn7" << "example.com"
                                << OptionalText("http://cur.lv/api/?key=&url=http://example.com");
        QTest::newRow("q.gs") << "Button19" << "example.com"
                              << OptionalText("http://api.adf.ly/api.php?key=&uid=&advert_type=banner&domain=q.gs&url=" +
                                              encoded);
        QTest::newRow("adf.ly") << "adfly" << "example.com"
                                << OptionalText("http://api.adf.ly/api.php?key=&uid=&advert_type=banner&domain=adf.ly&url=" +
                                                encoded);
        QTest::newRow("bit.ly") << "usBitly" << "example.com"
                                << OptionalText("http://api.bitly.com/v3/shorten?login=&apiKey=&longUrl=" + encoded +
                                                "&format=txt");
        QTest::newRow("cli.gs") << "usCligs" << "example.com"
                                << OptionalText("http://cli.gs/api/v1/cligs/create?key=&appid=URLBarExt&url=" + encoded);
        QTest::newRow("is.gd") << "usISGD" << "example.com"
                               << OptionalText("http://is.gd/create.php?format=simple&url=" + encoded);
        QTest::newRow("NinjURL") << "usNinja" << "example.com" << OptionalText("http://www.ninjurl.com/?" + encoded);
        QTest::newRow("qr.de") << "usQRDE" << "example.com" << OptionalText("http://qr.de/?url=http://example.com");
        QTest::newRow("ShortURL") << "usShortURL" << "example.com"
                                  << OptionalText("http://www.shorturl.com/make_url.php?longurl=" + encoded);
        QTest::newRow("Snipr") << "usSnipr" << "example.com" << OptionalText("http://snipr.com/site/snip?link=" + encoded);
        QTest::newRow("TinyURL") << "usTinyurl" << "example.com"
                                 << OptionalText("http://tinyurl.com/create.php?url=" + encoded);
        QTest::newRow("v.gd") << "usVGD" << "example.com"
                              << OptionalText("https://v.gd/create.php?format=simple&url=http://example.com");
        QTest::newRow("trimmed, inner blank encoded twice") << "usISGD" << " \t a b \r\n"
                              << OptionalText("http://is.gd/create.php?format=simple&url=http%3A%2F%2Fa%2520b");
        QTest::newRow("trimmed, inner blank once") << "usVGD" << " a b "
                              << OptionalText("https://v.gd/create.php?format=simple&url=http://a%20b");
        QTest::newRow("plus stays") << "usVGD" << "a+b" << OptionalText("https://v.gd/create.php?format=simple&url=http://a+b");
        QTest::newRow("blank and control characters only") << "usISGD" << " \t\n" << OptionalText();
        QTest::newRow("empty") << "usVGD" << "" << OptionalText();
    }
    void shortenerAddress() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(OptionalText, address);
        const Shortener* service = findShortener(button);
        QVERIFY(service != nullptr);
        QCOMPARE(termora::web::shortenerAddress(*service, text), address);
    }

    void expanderAddress_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalText>("address");
        QTest::newRow("1 unencoded") << 1 << "short.example/x" << OptionalText("http://longurl.org/expand?url=http://short.example/x");
        QTest::newRow("2 unencoded") << 2 << "short.example/x"
                                     << OptionalText("http://www.checkshorturl.com/expand.php?u=http://short.example/x");
        QTest::newRow("3 encoded") << 3 << "short.example/x"
                                   << OptionalText("http://www.expandurl.com/expand?url=http%3A%2F%2Fshort%2Eexample%2Fx");
        QTest::newRow("4 encoded") << 4 << "https://s.ex"
                                   << OptionalText("http://untiny.me/api/1.0/extract?format=text&url=https%3A%2F%2Fs%2Eex");
        QTest::newRow("not trimmed") << 1 << " x" << OptionalText("http://longurl.org/expand?url=http://%20x");
        QTest::newRow("empty") << 1 << "" << OptionalText();
        QTest::newRow("number 0") << 0 << "x" << OptionalText();
        QTest::newRow("number 5") << 5 << "x" << OptionalText();
    }
    void expanderAddress() {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(OptionalText, address);
        QCOMPARE(termora::web::expanderAddress(number, text), address);
    }

    void compareVersions_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<bool>("newer");
        QTest::newRow("numbers, not texts") << "2016.8" << "2016.10" << true;
        QTest::newRow("leading zero equal") << "2016.8" << "2016.08" << false;
        QTest::newRow("third piece zero equal") << "2016.8" << "2016.8.0" << false;
        QTest::newRow("next year") << "2016.8" << "2017" << true;
        QTest::newRow("older") << "2016.8" << "2015.12" << false;
        QTest::newRow("fourth piece ignored") << "2016.8.1.5" << "2016.8.1.9" << false;
        QTest::newRow("third piece counts") << "2016.8.1" << "2016.8.2" << true;
        QTest::newRow("non-number piece is 0") << "2016.8" << "2016.x" << false;
        QTest::newRow("non-number current piece") << "2016.x" << "2016.1" << true;
        QTest::newRow("empty latest") << "2016.8" << "" << false;
        QTest::newRow("empty current") << "" << "2017" << false;
        QTest::newRow("dash") << "2016.8" << "-" << false;
        QTest::newRow("release of this program") << "2026.12" << "2027.1" << true;
    }
    void compareVersions() {
        QFETCH(QString, current);
        QFETCH(QString, latest);
        QFETCH(bool, newer);
        QCOMPARE(CompareVersions(current, latest), newer);
    }

    void readUpdateInfo_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<OptionalText>("version");
        QTest::addColumn<OptionalText>("link");
        QTest::newRow("plain") << QByteArray("[15]\r\nVersion=1.0\r\n[16]\r\nVersion=2027.1\r\nDLink=https://d.example/t\r\n")
                               << OptionalText("2027.1") << OptionalText("https://d.example/t");
        QTest::newRow("names ignore case, blanks trimmed")
            << QByteArray("[ 16 ]\nversion = 2027.1 \ndlink= x\n") << OptionalText("2027.1") << OptionalText("x");
        QTest::newRow("lone CR lines") << QByteArray("[16]\rVersion=3\r") << OptionalText("3") << OptionalText();
        QTest::newRow("quoted value") << QByteArray("[16]\nVersion=\"2027.1\"\n") << OptionalText("2027.1") << OptionalText();
        QTest::newRow("first key counts") << QByteArray("[16]\nVersion=1\nVersion=2\n") << OptionalText("1") << OptionalText();
        QTest::newRow("other section's keys ignored")
            << QByteArray("[16]\nDLink=a\n[17]\nVersion=9\n") << OptionalText() << OptionalText("a");
        QTest::newRow("empty value") << QByteArray("[16]\nVersion=\n") << OptionalText("") << OptionalText();
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[16]\nVersion=5\n") << OptionalText("5") << OptionalText();
        QTest::newRow("missing section") << QByteArray("[160]\nVersion=5\n") << OptionalText() << OptionalText();
        QTest::newRow("garbage") << QByteArray("<html><body>Not found</body></html>") << OptionalText() << OptionalText();
        QTest::newRow("empty") << QByteArray() << OptionalText() << OptionalText();
    }
    void readUpdateInfo() {
        QFETCH(QByteArray, ini);
        QFETCH(OptionalText, version);
        QFETCH(OptionalText, link);
        const UpdateInfo info = termora::web::readUpdateInfo(ini, "16");
        QCOMPARE(info.version, version);
        QCOMPARE(info.downloadLink, link);
    }

    void isWebAddress_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("web");
        QTest::newRow("http") << "http://termora.example/get" << true;
        QTest::newRow("https any case") << "HTTPS://termora.example/get" << true;
        QTest::newRow("file") << "file:///usr/bin/xterm" << false;
        QTest::newRow("path") << "/usr/bin/xterm" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("other scheme") << "ftp://termora.example/x" << false;
        QTest::newRow("no host") << "http://" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isWebAddress() {
        QFETCH(QString, link);
        QFETCH(bool, web);
        QCOMPARE(termora::web::isWebAddress(link), web);
    }

    void browserFileReading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("CR LF, last break adds nothing") << QByteArray("b\r\na\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("b\ra\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF") << QByteArray("b\na\n") << QStringList{"a", "b"};
        QTest::newRow("no break after last line") << QByteArray("b\r\na") << QStringList{"a", "b"};
        QTest::newRow("empty line is an entry") << QByteArray("b\r\n\r\na\r\n") << QStringList{"", "a", "b"};
        QTest::newRow("sorted ignoring case") << QByteArray("zeta\r\nAlpha\r\nbeta\r\n") << QStringList{"Alpha", "beta", "zeta"};
        QTest::newRow("quoted command kept")
            << QByteArray("\"/opt/my browser/run\" --private\r\n") << QStringList{"\"/opt/my browser/run\" --private"};
        QTest::newRow("UTF-8") << QByteArray("/opt/n\xC3\xA4vi\r\n") << QStringList{"/opt/nävi"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void browserFileReading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(BrowserList::fromFile(bytes).entries(), entries);
    }

    void browserListSortsDetectsDuplicatesAndWrites() {
        BrowserList list;
        QCOMPARE(list.toFile(), QByteArray());
        for (const char* entry : {"zeta", "Alpha", "beta"}) list.insert(entry);
        QCOMPARE(list.entries(), (QStringList{"Alpha", "beta", "zeta"}));
        QCOMPARE(list.toFile(), QByteArray("Alpha\r\nbeta\r\nzeta\r\n"));
        QCOMPARE(list.indexOf("BETA"), 1);
        QCOMPARE(list.indexOf("bet"), -1);
        QCOMPARE(list.insert("Gamma"), 2);
        list.removeAt(0);
        QCOMPARE(list.toFile(), QByteArray("beta\r\nGamma\r\nzeta\r\n"));
        QCOMPARE(BrowserList::fromFile(list.toFile()).entries(), list.entries());
    }

    // Reading a file sorts all lines at once; the order is the one that
    // adding them one by one gives, equal entries kept in file order.
    void readingSortsAsAddingOneByOne() {
        const QStringList lines{"zeta", "Beta", "beta", "BETA", "\"/opt/x\"", "", "10", "9", "/opt/Äpfel", "/opt/apfel",
                                "/opt/Zebra", "b-a", "ba", "_x", "Alpha", "alpha"};
        BrowserList added;
        QList<QByteArray> file;
        for (const QString& line : lines) {
            added.insert(line);
            file.append(line.toUtf8());
        }
        QCOMPARE(BrowserList::fromFile(file.join("\n")).entries(), added.entries());
    }
};

QTEST_GUILESS_MAIN(WebRulesTest)
#include "WebRulesTest.moc"
