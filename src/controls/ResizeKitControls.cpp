#include "controls/ResizeKitControls.h"

#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBox>

#include <cstring>
#include <optional>

namespace termora::resizekit {
namespace {

// Qt's own classes are "Q" followed by a capital; the program's classes
// live in a namespace, so the nearest Qt ancestor tells what a widget is.
bool isQtClass(const QMetaObject* meta) {
    const char* name = meta->className();
    return name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z' && std::strchr(name, ':') == nullptr;
}

const QMetaObject* nearestQtClass(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    while (meta != nullptr && !isQtClass(meta)) meta = meta->superClass();
    return meta;
}

// Plain widgets, frames and group boxes hold the controls a form places in
// them; every other control lays out its own parts.
bool holdsPlacedControls(const QWidget* widget) {
    const QMetaObject* meta = nearestQtClass(widget);
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
           meta == &QGroupBox::staticMetaObject;
}

// The pages a control shows and sizes itself; none for other controls.
std::optional<QList<QWidget*>> pagesOf(QWidget* widget) {
    QList<QWidget*> pages;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) pages.append(tabs->widget(i));
    } else if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
        for (int i = 0; i < stack->count(); ++i) pages.append(stack->widget(i));
    } else if (auto* toolBox = qobject_cast<QToolBox*>(widget)) {
        for (int i = 0; i < toolBox->count(); ++i) pages.append(toolBox->widget(i));
    } else if (auto* scrollArea = qobject_cast<QScrollArea*>(widget)) {
        if (scrollArea->widget() != nullptr) pages.append(scrollArea->widget());
    } else if (auto* mainWindow = qobject_cast<QMainWindow*>(widget)) {
        if (mainWindow->centralWidget() != nullptr) pages.append(mainWindow->centralWidget());
    } else {
        return std::nullopt;
    }
    return pages;
}

// Qt names the inner parts of its composite controls "qt_...".
bool isInnerPart(const QWidget* widget) { return widget->objectName().startsWith(QLatin1String("qt_")); }

void collectChildren(QWidget* parent, QList<QWidget*>& controls) {
    const bool placedByLayout = parent->layout() != nullptr;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || isInnerPart(widget)) continue;
        if (!placedByLayout) controls.append(widget);
        if (const auto pages = pagesOf(widget)) {
            for (QWidget* page : *pages) collectChildren(page, controls);
        } else if (holdsPlacedControls(widget)) {
            collectChildren(widget, controls);
        }
    }
}

}  // namespace

QList<QWidget*> positionedControls(QWidget* window) {
    QList<QWidget*> controls;
    if (const auto pages = pagesOf(window)) {
        for (QWidget* page : *pages) collectChildren(page, controls);
    } else {
        collectChildren(window, controls);
    }
    return controls;
}

}  // namespace termora::resizekit
