#pragma once
// The currency code page: three-letter codes with the currency names.

#include <QWidget>

#include <memory>

namespace Ui {
class CurrencyPage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class CurrencyPage : public QWidget {
    Q_OBJECT
public:
    explicit CurrencyPage(QWidget* parent = nullptr);
    ~CurrencyPage() override;

public slots:
    // Fills the grid from the currency table when it has no rows yet.
    void fillIfEmpty();

signals:
    // The caption "Currency Code :" was clicked.
    void fullListingCodeRequested();

private slots:
    // "Copy Currency Name".
    void Button8Click();

private:
    std::unique_ptr<Ui::CurrencyPage> ui;
    TextTableModel* m_model;
};

}  // namespace termora
