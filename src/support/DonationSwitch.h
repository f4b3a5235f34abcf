#pragma once
// The donation window's start-up switch: the string value named after the
// product number under HKEY_CURRENT_USER\Software\Velmont\Support. "1" shows
// the window at start-up, "0" does not; empty or missing counts as "1" and
// any other content as "0".

#include <QString>

namespace termora::support {

// The value name for a product number: "0" and the digit below 10, else the
// decimal number, at most two characters (the name the value is written
// under, and so the one it is read from).
QString switchValueName(int tag);

// Whether a stored value asks for the window.
bool switchIsOn(const QString& storedValue);

// Read at start-up: whether the donation window opens before the main
// window. Throws UserError "Invalid data type for '16'" for a value that is
// no string, for the application's error report.
bool donationWindowWanted();

// Read by the donation window: a value that cannot be read counts as
// missing, so the box is checked.
bool readShowSwitch(int tag);

// Written when the donation window closes; nothing for tag 0, and a failed
// write leaves the old value.
void writeShowSwitch(int tag, bool show);

}  // namespace termora::support
