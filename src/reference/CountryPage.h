#pragma once
// The country code page: names with their ISO codes and internet domains.

#include <QWidget>

#include <memory>

namespace Ui {
class CountryPage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class CountryPage : public QWidget {
    Q_OBJECT
public:
    explicit CountryPage(QWidget* parent = nullptr);
    ~CountryPage() override;

public slots:
    // Fills the grid from the country table when it has no rows yet.
    void fillIfEmpty();

signals:
    // The caption "Country Code :" was clicked.
    void fullListingCodeRequested();

private slots:
    // The case choice: the internet domains in small or LARGE letters.
    void cmbCaseChange(int item);
    // "Copy Country/Region Name".
    void Button5Click();

private:
    std::unique_ptr<Ui::CountryPage> ui;
    TextTableModel* m_model;
};

}  // namespace termora
