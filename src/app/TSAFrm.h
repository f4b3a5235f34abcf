#pragma once
// The main window: header strip, navigation bar, the eleven pages and the
// status bar. Every further main window (double-click on the icon) is one of
// these too, with its own controls over the program's one dictionary.

#include <QWidget>

#include <memory>

class QAbstractButton;
class QTimer;
class TContributorPage;
class TResizeKit;
class TMoreSoftwarePage;

namespace Ui {
class TSAFrm;
}

namespace termora {

class DictionaryPage;
class MaintenanceTools;
class OnlineSearchPage;
namespace reference {
class CountryPage;
class CryptoPage;
class CurrencyPage;
}  // namespace reference

class TSAFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSAFrm(QWidget* owner = nullptr);
    ~TSAFrm() override;

    Ui::TSAFrm& form() { return *ui; }
    DictionaryPage& dictionaryPage() { return *m_dictionary; }
    MaintenanceTools& maintenanceTools() { return *m_tools; }

public slots:
    void spdFreewareClick(QAbstractButton* sender);
    void BClick();
    void Button6Click();
    void Button2Click22();
    void btnUpdateClick();
    void IconDblClick();
    void luDblClick();
    void Timer1Timer();
    // Brings a page to the front without touching the navigation buttons.
    void showPage(const QString& pageName);
    // Looks the term up as if typed into the search box, with the dictionary page in front.
    void lookUp(const QString& term);

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
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
    reference::CryptoPage* m_crypto;
    reference::CountryPage* m_countries;
    reference::CurrencyPage* m_currencies;
    TContributorPage* m_contributors;
    TMoreSoftwarePage* m_more;
    QTimer* m_timer;
};

}  // namespace termora
