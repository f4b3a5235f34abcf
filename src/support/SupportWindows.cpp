#include "support/SupportWindows.h"

#include "base/TermoraConstants.h"
#include "platform/Dialogs.h"
#include "support/TfrmAbout.h"
#include "support/TfrmDonate.h"

namespace termora::support {

void openDonationWindow(QWidget* parent) {
    TfrmDonate window(parent);
    window.setHelpKeyword(QString::fromLatin1(constants::kProgramName));
    window.setTag(QByteArray(constants::kProductNumber).toInt());
    dialogs().exec(window);
}

void openAboutWindow(QWidget* parent) {
    TfrmAbout window(parent);
    dialogs().exec(window);
}

}  // namespace termora::support
