#pragma once
// Which widgets of a window the form scaling kit moves and sizes.

#include <QList>

class QWidget;

namespace termora::resizekit {

// The widgets a form places by position, in the window's order (a parent
// before its children): the children of the window, of plain widgets, frames
// and group boxes, and of the pages of tab widgets, stacks, tool boxes and
// scroll areas. Pages themselves, children placed by a layout and the inner
// parts of Qt's composite controls (scroll bars, viewports, headers) are
// placed by their parents and left out. Other windows are left out.
QList<QWidget*> positionedControls(QWidget* window);

}  // namespace termora::resizekit
