#pragma once
// The cryptocurrency page: ticker codes with names, and a link to a
// market-capitalisation site.

#include <QWidget>

#include <memory>

namespace Ui {
class CryptoPage;
}  // namespace Ui

namespace termora {

class TextTableModel;

class CryptoPage : public QWidget {
    Q_OBJECT
public:
    explicit CryptoPage(QWidget* parent = nullptr);
    ~CryptoPage() override;

public slots:
    // Fills the grid from the cryptocurrency table when it has no rows yet.
    void fillIfEmpty();

signals:
    // The caption "CryptoCurrency List :" was clicked.
    void fullListingCodeRequested();

private slots:
    // Opens the address kept in the clicked button's help keyword.
    void VisitURL();

private:
    std::unique_ptr<Ui::CryptoPage> ui;
    TextTableModel* m_model;
};

}  // namespace termora
