#pragma once
// Opening the About and donation windows from the main window.

class QWidget;

namespace termora::support {

// The donation window for Termora (product number as its tag), run modally
// through the dialog interface and destroyed when it closes.
void openDonationWindow(QWidget* parent);

// The About window, run modally and destroyed when it closes.
void openAboutWindow(QWidget* parent);

}  // namespace termora::support
