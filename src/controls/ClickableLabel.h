#pragma once
// A label that reports clicks, double-clicks and right-clicks, for the
// window's labels that double as small tools or links. Drawn as a link
// (blue, underlined, hand cursor) when its form sets drawnAsLink.

#include <QLabel>

namespace termora {

class ClickableLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool drawnAsLink READ drawnAsLink WRITE setDrawnAsLink)
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    bool drawnAsLink() const { return m_drawnAsLink; }
    void setDrawnAsLink(bool link);

signals:
    void clicked();
    void doubleClicked();
    void rightClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool m_drawnAsLink = false;
};

}  // namespace termora
