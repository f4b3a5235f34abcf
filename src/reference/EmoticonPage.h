#pragma once
// The emoticon page: the chat emoticons with their pictures and shortcuts.

#include <QWidget>

#include <memory>

namespace Ui {
class EmoticonPage;
}  // namespace Ui

namespace termora {

class EmoticonPage : public QWidget {
    Q_OBJECT
public:
    explicit EmoticonPage(QWidget* parent = nullptr);
    ~EmoticonPage() override;

signals:
    // The caption "Emoticon List :" was clicked.
    void fullListingCodeRequested();

private slots:
    // "Copy Shortcut" and a double-click on a row: the first shortcut onto
    // the clipboard.
    void Button4Click();
    void lstFEDblClick();

private:
    void fillList();

    std::unique_ptr<Ui::EmoticonPage> ui;
};

}  // namespace termora
