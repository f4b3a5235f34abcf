#pragma once
// The URL tools page: a long address sent to one of twelve link shorteners,
// a short link to one of four expanders, each opened in the default browser.

#include <QWidget>

#include <memory>

class QAbstractButton;

namespace Ui {
class UrlToolsPage;
}

namespace termora {

class UrlToolsPage : public QWidget {
    Q_OBJECT
public:
    explicit UrlToolsPage(QWidget* parent = nullptr);
    ~UrlToolsPage() override;

public slots:
    // One handler for the shortener buttons, one for the expander buttons;
    // the button names its service.
    void DoOLTools(QAbstractButton* sender);
    void ExpandURL(QAbstractButton* sender);
    // The two "Paste" buttons: the clipboard's text into the long address
    // and into the short link field.
    void Button29Click();
    void Button30Click();

private:
    std::unique_ptr<Ui::UrlToolsPage> ui;
};

}  // namespace termora
