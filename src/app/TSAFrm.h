#pragma once
// The main window: header strip, navigation bar, the eleven pages and the
// status bar. Every further main window (double-click on the icon) is one of
// these too, with its own controls over the program's one dictionary.

#include <QWidget>

#include <memory>

class QAbstractButton;
class QTimer;

namespace Ui {
class TSAFrm;
}

namespace termora {

class ContributorPage;
class CountryPage;
class CryptoPage;
class CurrencyPage;
class DictionaryPage;
class MaintenanceTools;
class MorePage;
class OnlineSearchPage;

class TSAFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSAFrm(QWidget* owner = nullptr);
    ~TSAFrm() override;

    DictionaryPage& dictionaryPage() { return *m_dictionary; }

public slots:
    // The navigation bar: brings the page the button's tag numbers to the
    // front, filling a reference grid on its first showing.
    void spdFreewareClick(QAbstractButton* sender);
    // "Visit Homepage": opens the address in the button's help keyword.
    void BClick();
    // The header's About, Donate and Update Checker buttons: each opens its
    // window, modal.
    void Button6Click();
    void Button2Click22();
    void btnUpdateClick();
    // A double-click on the program icon opens a further main window.
    void IconDblClick();
    // A double-click on the version label opens the program's folder.
    void luDblClick();
    // Every second: memory load, battery level and uptime into the status bar.
    void Timer1Timer();
    // Brings a page to the front without touching the navigation buttons.
    void showPage(const QString& pageName);
    // Looks the term up as if typed into the search box, with the dictionary page in front.
    void lookUp(const QString& term);

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    // The caption's figures: meanings and keys, the user's included.
    void showDictionaryFigures();
    // The lines of the user's files that could not be loaded, in one message.
    void reportUnloadedLines();
    void FormActivate();
    void installPages();
    void attachResizeKit();
    void hidePageTabs();
    void showPageTab(int index, bool shown);
    void setNavigationCaption(QAbstractButton* button, const QString& caption);

    std::unique_ptr<Ui::TSAFrm> ui;
    DictionaryPage* m_dictionary;
    MaintenanceTools* m_tools;
    OnlineSearchPage* m_online;
    CryptoPage* m_crypto;
    CountryPage* m_countries;
    CurrencyPage* m_currencies;
    ContributorPage* m_contributors;
    MorePage* m_more;
    QTimer* m_timer;
};

}  // namespace termora
