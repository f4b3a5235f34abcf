#include "support/DonationSwitch.h"

#include "base/TermoraConstants.h"
#include "platform/Registry.h"
#include "platform/UserError.h"

namespace termora::support {
namespace {

QString supportKey() { return QString::fromLatin1(constants::kSupportRegistryKey); }

}  // namespace

QString switchValueName(int tag) {
    const QString name = tag < 10 ? QStringLiteral("0") + QString::number(tag) : QString::number(tag);
    return name.left(2);
}

bool switchIsOn(const QString& storedValue) { return storedValue == u"1" || storedValue.isEmpty(); }

bool donationWindowWanted() {
    return switchIsOn(registry::ReadUserRegString(supportKey(), QString::fromLatin1(constants::kProductNumber)));
}

bool readShowSwitch(int tag) {
    try {
        return switchIsOn(registry::ReadUserRegString(supportKey(), switchValueName(tag)));
    } catch (const UserError&) {
        return true;  // an unreadable value counts as missing
    }
}

void writeShowSwitch(int tag, bool show) {
    if (tag == 0) return;
    try {
        registry::WriteUserRegString(supportKey(), switchValueName(tag), show ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const UserError&) {
        // A failed write leaves the old value; the window closes regardless.
    }
}

}  // namespace termora::support
